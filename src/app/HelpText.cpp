// The text the help link shows: how the options fit the two kinds of article files.
#include "app/HelpText.h"

#include <QStringList>

namespace tessivane::app {
using namespace Qt::StringLiterals;

QString HelpText() {
    const QString rule = QString(26, u'—');
    const QStringList lines = {
        u"通过模板设置，将多篇文章导入，创建出一个彼此关联（上下文和随机链接）的单页型网站。"_s,
        QString(),
        QString(52, u'-'),
        QString(),
        u"【标题来源】当设置为取网页标题且取出为空时，将默认取文件名为标题。"_s,
        u"【生成文章系统首页】右边编辑框就是分页时每页多少条文章链接"_s,
        rule,
        QString(),
        u"导入的文件通常有 2 种："_s,
        u"（一）是纯文章TXT文本文件（包括文章内的html标签）"_s,
        u"（二）是一个HTML网页文件（有网页头、文章主体、网页尾等代码段）"_s,
        QString(),
        u"第一种文本文件，文章的标题通常是该文件的文件名，也可能是文件内容的首行"_s,
        u"第二种网页文件，文章的标题通常是该文件内容中的“<title>”和“</title>”之间的字符串"_s,
        QString(),
        u"那么只要了解上面的常识，就可以结合实际情况设置处理参数了。"_s,
        QString(),
        rule,
        QString(),
        u"更多帮助请点击“查看更新”到本软件发布页查看。"_s,
        QString(),
        u"同一发布者还提供几款整理文章的小工具："_s,
        u"在文章中批量插入关键词的工具；"_s,
        u"一键排版文章段落的工具；"_s,
        QString(),
        u"按素材生成文章的工具。"_s,
        QString(),
        u"工具列表请点击窗口顶部的“全部软件”查看。"_s,
    };
    return lines.join(u"\r\n"_s);
}

}  // namespace tessivane::app
