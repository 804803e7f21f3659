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
    const QStringList lines = dialogs_.messages[0].split(u'\n');
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[0],
              u"通过模板设置，将多篇文章导入，创建出一个彼此关联（上下文和随机链接）的单页型网站。");
    EXPECT_EQ(lines[2], QString(52, u'-'));
    EXPECT_EQ(lines[19], u"更多帮助请点击“查看更新”到本软件发布页查看。");
    EXPECT_TRUE(lines[20].isEmpty());
    EXPECT_TRUE(lines[24].isEmpty());
    EXPECT_TRUE(lines[26].isEmpty());
    EXPECT_TRUE(dialogs_.addresses.empty());
}

}  // namespace
}  // namespace tessivane::app::testing
