// The header's pictures and links: web addresses, the help message.
#include <QTest>

#include "WindowFixture.h"

namespace tessivane::app::testing {
namespace {

// A picture button and the hyperlink under it open the same address.
struct AddressPair {
    QStringView picture;
    QStringView link;
};

const AddressPair kAddressPairs[] = {
    {u"图片框软件", u"超级链接框软件"},
    {u"图片框QQ", u"超级链接框QQ"},
    {u"图片框更新", u"超级链接框更新"},
};

using HeaderStripTest = WindowFixture;

TEST_F(HeaderStripTest, PicturesAndTheirLinksOpenTheSameExampleAddress) {
    OpenWindow();
    for (const AddressPair& pair : kAddressPairs) {
        SCOPED_TRACE(pair.link.toString().toStdString());
        dialogs_.addresses.clear();
        QTest::mouseClick(Find(pair.picture), Qt::LeftButton);
        QTest::mousePress(Find(pair.link), Qt::LeftButton);
        ASSERT_EQ(dialogs_.addresses.size(), 2);
        EXPECT_EQ(dialogs_.addresses[0], dialogs_.addresses[1]);
        EXPECT_TRUE(dialogs_.addresses[0].host().endsWith(u"example.com"));
    }
    dialogs_.addresses.clear();
    QTest::mouseClick(Find(u"图片框官网"), Qt::LeftButton);
    ASSERT_EQ(dialogs_.addresses.size(), 1);
    EXPECT_TRUE(dialogs_.addresses[0].host().endsWith(u"example.com"));
}

TEST_F(HeaderStripTest, HelpPictureAndLinkShowTheHelp) {
    OpenWindow();
    QTest::mouseClick(Find(u"图片框操作"), Qt::LeftButton);
    QTest::mousePress(Find(u"超级链接框操作"), Qt::LeftButton);
    ASSERT_EQ(dialogs_.messages.size(), 2);
    EXPECT_EQ(dialogs_.messages[0], dialogs_.messages[1]);
    const QStringList lines = dialogs_.messages[0].split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 28);
    const QString rule(26, u'—');
    const QString opening[] = {
        u"通过模板设置，将多篇文章导入，创建出一个彼此关联（上下文和随机链接）的单页型网站。"_s,
        {},
        QString(52, u'-'),
        {},
        u"【标题来源】当设置为取网页标题且取出为空时，将默认取文件名为标题。"_s,
        u"【生成文章系统首页】右边编辑框就是分页时每页多少条文章链接"_s,
        rule,
        {},
        u"导入的文件通常有 2 种："_s,
        u"（一）是纯文章TXT文本文件（包括文章内的html标签）"_s,
        u"（二）是一个HTML网页文件（有网页头、文章主体、网页尾等代码段）"_s,
        {},
        u"第一种文本文件，文章的标题通常是该文件的文件名，也可能是文件内容的首行"_s,
        u"第二种网页文件，文章的标题通常是该文件内容中的“<title>”和“</title>”之间的字符串"_s,
        {},
        u"那么只要了解上面的常识，就可以结合实际情况设置处理参数了。"_s,
        {},
        rule,
        {},
        u"更多帮助请点击“查看更新”到本软件发布页查看。"_s,
    };
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(lines[i], opening[i]) << i;
    }
    // The closing passage follows an empty line; its fourth and sixth lines are empty.
    for (int i = 20; i < 28; ++i) {
        EXPECT_EQ(lines[i].isEmpty(), i == 20 || i == 24 || i == 26) << i;
    }
    EXPECT_TRUE(dialogs_.addresses.empty());
}

}  // namespace
}  // namespace tessivane::app::testing
