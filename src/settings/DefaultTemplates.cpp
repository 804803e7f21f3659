// The two templates the window is designed with.
#include <array>
#include <string_view>

#include "settings/SavedSettings.h"

namespace tessivane::settings {
namespace {

constexpr std::string_view kRandomLink =
    // <a href="#随机篇链接#">#随机篇标题#</a><br>
    "<a "
    "href=\"#\xCB\xE6\xBB\xFA\xC6\xAA\xC1\xB4\xBD\xD3#\">#\xCB\xE6\xBB\xFA\xC6\xAA\xB1\xEA\xCC\xE2#</a><br>";

constexpr std::array<std::string_view, 21> kTemplate1Lines = {
    "<html>",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />",
    // <title>#本篇标题#_Lumvane软件</title>
    "<title>#\xB1\xBE\xC6\xAA\xB1\xEA\xCC\xE2#_Lumvane\xC8\xED\xBC\xFE</title>",
    "</head>",
    "<body>",
    "<iframe src=\"https://www.example.com/\" width=\"100%\" height=\"250\"frameborder=\"no\" border=\"0\" "
    "marginwidth=\"0\" marginheight=\"0\"scrolling=\"no\"></iframe>",
    // <div><h1><a href="/">返回首页</a> - <a href=".">返回上级</a> - <a
    // href="#本篇链接#">#本篇标题#</a></h1><div>
    "<div><h1><a href=\"/\">\xB7\xB5\xBB\xD8\xCA\xD7\xD2\xB3</a> - <a "
    "href=\".\">\xB7\xB5\xBB\xD8\xC9\xCF\xBC\xB6</a>"
    " - <a href=\"#\xB1\xBE\xC6\xAA\xC1\xB4\xBD\xD3#\">#\xB1\xBE\xC6\xAA\xB1\xEA\xCC\xE2#</a></h1><div>",
    // <div><!--文章开始-->#导入的文件内容#<!--文章结束--><div>
    "<div><!--\xCE\xC4\xD5\xC2\xBF\xAA\xCA\xBC-->#\xB5\xBC\xC8\xEB\xB5\xC4\xCE\xC4\xBC\xFE\xC4\xDA\xC8\xDD#<!"
    "--"
    "\xCE\xC4\xD5\xC2\xBD\xE1\xCA\xF8--><div>",
    "<hr>",
    // <b>上一篇：</b><a href="#上一篇链接#">#上一篇标题#</a><br>
    "<b>\xC9\xCF\xD2\xBB\xC6\xAA\xA3\xBA</b><a href=\"#\xC9\xCF\xD2\xBB\xC6\xAA\xC1\xB4\xBD\xD3#\">"
    "#\xC9\xCF\xD2\xBB\xC6\xAA\xB1\xEA\xCC\xE2#</a><br>",
    // <b>下一篇：</b><a href="#下一篇链接#">#下一篇标题#</a><br>
    "<b>\xCF\xC2\xD2\xBB\xC6\xAA\xA3\xBA</b><a href=\"#\xCF\xC2\xD2\xBB\xC6\xAA\xC1\xB4\xBD\xD3#\">"
    "#\xCF\xC2\xD2\xBB\xC6\xAA\xB1\xEA\xCC\xE2#</a><br>",
    "<hr>",
    "<h3>\xB8\xFC\xB6\xE0\xCE\xC4\xD5\xC2\xA3\xBA</h3>",  // <h3>更多文章：</h3>
    kRandomLink,
    kRandomLink,
    kRandomLink,
    kRandomLink,
    kRandomLink,
    "</body>",
    "</html>",
};

}  // namespace

std::string DefaultTemplate1() {
    std::string text;
    for (const std::string_view line : kTemplate1Lines) {
        if (!text.empty()) {
            text += "\r\n";
        }
        text += line;
    }
    return text;
}

std::string DefaultTemplate2() {
    // <title>#本篇标题#</title>, <body>, #导入的文件内容#, </body>
    return "<title>#\xB1\xBE\xC6\xAA\xB1\xEA\xCC\xE2#</title>\r\n<body>\r\n"
           "#\xB5\xBC\xC8\xEB\xB5\xC4\xCE\xC4\xBC\xFE\xC4\xDA\xC8\xDD#\r\n</body>";
}

}  // namespace tessivane::settings
