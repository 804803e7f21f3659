// The paginated index pages: their names, head, entries, page bar and roll-over.
#include "engine/IndexPages.h"

#include "engine/Placeholders.h"
#include "platform/CodePage.h"
#include "text/TextOperations.h"

namespace tessivane::engine {
namespace {

constexpr std::string_view kListTitle = "\xCE\xC4\xD5\xC2\xC1\xD0\xB1\xED";  // 文章列表
constexpr std::string_view kFoot = "</body></html>";

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    return text::FindForward(a, b, 1, true) == 1;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether the name is, ASCII case ignored, the name of one of the first `pages` index pages. Parsed
// rather than compared with every page's name: every read of every article asks.
bool IsIndexPageName(std::string_view name, int pages) {
    constexpr std::string_view kPrefix = "index_";
    constexpr std::string_view kSuffix = ".htm";
    constexpr std::size_t kMaxDigits = 10;
    if (pages < 1) {
        return false;
    }
    if (EqualIgnoringAsciiCase(name, IndexPageName(1))) {
        return true;
    }
    if (name.size() <= kPrefix.size() + kSuffix.size() ||
        !EqualIgnoringAsciiCase(name.substr(0, kPrefix.size()), kPrefix) ||
        !EqualIgnoringAsciiCase(name.substr(name.size() - kSuffix.size()), kSuffix)) {
        return false;
    }
    const std::string_view digits =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    if (!AllDigits(digits) || digits.front() == '0' || digits.size() > kMaxDigits) {
        return false;
    }
    const long long page = std::stoll(std::string(digits));
    return page >= 2 && page <= pages;
}

}  // namespace

std::string IndexPageName(int page) {
    return page <= 1 ? std::string("index.htm") : "index_" + std::to_string(page) + ".htm";
}

int IndexPageCount(int count, int pageSize) {
    if (count <= pageSize) {
        return 1;
    }
    return static_cast<int>((static_cast<long long>(count) + pageSize - 1) / pageSize);
}

std::string AvoidIndexPageName(const std::string& fileName, int indexPages) {
    if (!IsIndexPageName(fileName, indexPages)) {
        return fileName;
    }
    const std::size_t dot = fileName.rfind('.');
    return fileName.substr(0, dot) + "_1" + fileName.substr(dot);
}

std::string PageBar(int pages) {
    if (pages <= 1) {
        return {};
    }
    std::string links;
    for (int page = 1; page <= pages; ++page) {
        const std::string target = page == 1 ? std::string(".") : IndexPageName(page);
        links += "<a href=''" + target + "''>" + std::to_string(page) + "</a> ";
    }
    return "<hr><div>" + text::FoldQuotes(links) + "</div>";
}

std::string IndexEntry(std::string_view fileName, std::string_view title) {
    std::string entry = "<a href=''";
    entry.append(fileName).append("''>").append(title).append("</a><br>");
    return text::FoldQuotes(entry);
}

std::string IndexPageHead(std::string_view templateText, int page) {
    std::string listTitle(kListTitle);
    if (page > 1) {
        listTitle.append("(").append(std::to_string(page)).append(")");
    }
    const std::string pageTitle = text::Substitute(text::ExtractBetween(templateText, "<title>", "</title>"),
                                                   kOwnTitle, listTitle, -1, true);
    return "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" "
           "/>\r\n"
           "<title>" +
           pageTitle + "</title>\r\n</head>\r\n<body>";
}

IndexPages::IndexPages(std::filesystem::path folder, std::string templateText, int count, int pageSize)
    : folder_(std::move(folder)),
      templateText_(std::move(templateText)),
      count_(count),
      pageSize_(pageSize) {}

void IndexPages::Start(bool writeIndex) {
    if (count_ > pageSize_) {
        pageBar_ = PageBar(IndexPageCount(count_, pageSize_));
    }
    if (writeIndex) {
        OpenPage();
    }
}

void IndexPages::AddEntry(int article, std::string_view fileName, std::string_view title, bool writeIndex) {
    if (!writeIndex) {
        return;
    }
    ++entriesOnPage_;
    if (file_.IsOpen() && !file_.Append(IndexEntry(fileName, title))) {
        pageFailed_ = true;
    }
    if (entriesOnPage_ < pageSize_) {
        return;
    }
    ClosePage(true);
    entriesOnPage_ = 0;
    if (article < count_) {
        ++pageNumber_;
        OpenPage();
    }
}

void IndexPages::Finish(bool writeIndex) {
    // Switched off during the run, the open page is closed as it stands, without its foot.
    ClosePage(writeIndex);
}

void IndexPages::OpenPage() {
    pageFailed_ = false;
    const std::string name = IndexPageName(pageNumber_);
    if (!file_.Create(folder_ / platform::GbkToPath(name))) {
        failedNames_.push_back(name);
        return;
    }
    pageFailed_ = !file_.Append(IndexPageHead(templateText_, pageNumber_));
}

void IndexPages::ClosePage(bool withFoot) {
    if (!file_.IsOpen()) {
        return;
    }
    if (withFoot && !file_.Append(std::string(pageBar_).append(kFoot))) {
        pageFailed_ = true;
    }
    if (file_.Close() && !pageFailed_) {
        ++pagesWritten_;
    } else {
        failedNames_.push_back(IndexPageName(pageNumber_));
    }
}

}  // namespace tessivane::engine
