// The window and every control: name, parent, place, size, font size and initial content.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextDocumentFragment>

#include "WindowFixture.h"
#include "app/TemplateTabs.h"
#include "engine/RunGeneration.h"
#include "platform/CodePage.h"
#include "settings/SavedSettings.h"

namespace tessivane::app::testing {
namespace {

struct ExpectedControl {
    QStringView name;
    QStringView parent;  // empty: the window
    QRect place;
    QStringView content;  // caption or text; a combo box's items joined by "|"
    int pixels = 12;
    bool bold = false;
};

constexpr QStringView kHeader = u"图片框1";

const ExpectedControl kControls[] = {
    {u"图片框1", {}, {0, 0, 624, 88}, {}},
    {u"图片框官网", kHeader, {40, 12, 145, 64}, {}},
    {u"图片框软件", kHeader, {224, 0, 64, 64}, {}},
    {u"超级链接框软件", kHeader, {224, 64, 64, 24}, u"全部软件"},
    {u"图片框QQ", kHeader, {304, 0, 64, 64}, {}},
    {u"超级链接框QQ", kHeader, {304, 64, 64, 24}, u"10000"},
    {u"图片框更新", kHeader, {384, 0, 64, 64}, {}},
    {u"超级链接框更新", kHeader, {384, 64, 64, 24}, u"升级软件"},
    {u"图片框操作", kHeader, {464, 0, 64, 64}, {}},
    {u"超级链接框操作", kHeader, {464, 64, 64, 24}, u"疑点说明"},
    {u"图片框保存", kHeader, {544, 0, 64, 64}, {}},
    {u"超级链接框保存", kHeader, {544, 64, 64, 24}, u"保存配置"},
    {u"标签1", {}, {8, 88, 968, 2}, {}},
    {u"按钮导入的文章", {}, {8, 104, 223, 48}, u"#导入的文件内容#"},
    {u"按钮上一篇标题", {}, {232, 104, 96, 24}, u"#上一篇标题#"},
    {u"按钮下一篇标题", {}, {232, 128, 96, 24}, u"#下一篇标题#"},
    {u"按钮上一篇链接", {}, {328, 104, 96, 24}, u"#上一篇链接#"},
    {u"按钮下一篇链接", {}, {328, 128, 96, 24}, u"#下一篇链接#"},
    {u"按钮本篇标题", {}, {424, 104, 96, 24}, u"#本篇标题#"},
    {u"按钮本篇链接", {}, {424, 128, 96, 24}, u"#本篇链接#"},
    {u"按钮随机篇标题", {}, {520, 104, 96, 24}, u"#随机篇标题#"},
    {u"按钮随机篇链接", {}, {520, 128, 96, 24}, u"#随机篇链接#"},
    {u"选择夹模板", {}, {8, 152, 608, 280}, {}},
    {u"编辑框模板1", u"选择夹模板", {8, 24, 593, 248}, {}},
    {u"编辑框模板2", u"选择夹模板", {8, 24, 593, 248}, {}},
    {u"编辑框模板3", u"选择夹模板", {8, 24, 593, 248}, {}},
    {u"编辑框模板4", u"选择夹模板", {8, 24, 593, 248}, {}},
    {u"编辑框模板5", u"选择夹模板", {8, 24, 593, 248}, {}},
    {u"标签标题参数", {}, {8, 440, 377, 24}, u"标题处理参数：", 12, true},
    {u"标签2", {}, {11, 480, 69, 20}, u"标题来源："},
    {u"组合框标题来源", {}, {83, 480, 222, 20}, u"文件名|<title>网页标题</title>|文件内容首行"},
    {u"选择框去掉首行", {}, {318, 480, 72, 20}, u"去掉首行"},
    {u"选择框替换标题", {}, {11, 512, 80, 24}, u"替换标题"},
    {u"编辑框匹配式", {}, {83, 512, 100, 24}, u"(.+)[_-].*"},
    {u"标签3", {}, {186, 512, 16, 24}, u"到"},
    {u"编辑框替换式", {}, {204, 512, 100, 24}, u"$1"},
    {u"选择框使用正则", {}, {318, 512, 72, 24}, u"使用正则"},
    {u"标签4", {}, {424, 440, 72, 23}, u"文件编码：", 15},
    {u"组合框文件编码", {}, {504, 440, 102, 23}, u"ANSI(GBK)|UTF-8|Unicode", 15},
    {u"标签内容参数", {}, {8, 552, 377, 24}, u"内容处理参数：", 12, true},
    {u"选择框截取中间内容", {}, {11, 584, 101, 20}, u"截取中间内容"},
    {u"选择框截取为空时返回原文", {}, {238, 584, 141, 20}, u"截取为空时返回原内容"},
    {u"标签5", {}, {27, 608, 56, 24}, u"左边内容："},
    {u"编辑框左边内容", {}, {88, 608, 104, 24}, u"<body>"},
    {u"标签6", {}, {219, 608, 56, 24}, u"右边内容："},
    {u"编辑框右边内容", {}, {280, 608, 104, 24}, u"</body>"},
    {u"按钮文件导入", {}, {421, 472, 187, 41}, u"选择文件导入", 19, true},
    {u"按钮目录导入", {}, {421, 515, 187, 41}, u" 选择目录导入", 19, true},
    {u"编辑框目录过滤", {}, {563, 524, 38, 24}, u"*.txt"},
    {u"选择框扩展名", {}, {421, 583, 131, 24}, u"生成文件的扩展名："},
    {u"编辑框扩展名", {}, {552, 583, 56, 24}, u"htm"},
    {u"选择框生成首页", {}, {421, 608, 131, 24}, u"生成文章系统首页："},
    {u"编辑框分页", {}, {552, 608, 56, 24}, u"50"},
};

// What the control shows as its caption or text; empty for pictures, frames and template boxes.
QString Content(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        return items.join(u'|');
    }
    return {};
}

using MainWindowLayoutTest = WindowFixture;

TEST_F(MainWindowLayoutTest, EveryControlHasItsNameParentPlaceFontAndContent) {
    OpenWindow();
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE(expected.name.toString().toStdString());
        const QWidget* widget = Find(expected.name);
        ASSERT_NE(widget, nullptr);
        const QWidget* parent = expected.parent.isEmpty() ? window_.get() : Find(expected.parent);
        EXPECT_EQ(widget->parentWidget(), parent);
        EXPECT_EQ(widget->geometry(), expected.place);
        EXPECT_EQ(widget->font().pixelSize(), expected.pixels);
        EXPECT_EQ(widget->font().bold(), expected.bold);
        EXPECT_EQ(Content(widget), expected.content.toString());
    }
}

TEST_F(MainWindowLayoutTest, WindowIsFixedWithTitleMinimizeBoxAndNoMaximizeBox) {
    const MainWindow& window = OpenWindow();
    EXPECT_EQ(window.windowTitle(), QString::fromStdU16String(platform::GbkToUtf16(engine::kProductTitle)));
    EXPECT_EQ(window.windowTitle(), u"Tessivane v1.3 - 快速搭建单页网站好帮手");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowLayoutTest, TemplateTabsStartOnTheFirstWithTheDesignedTemplates) {
    MainWindow& window = OpenWindow();
    const TemplateTabs& tabs = window.templates();
    const auto* bar = tabs.findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar->tabText(i), u"模板%1"_s.arg(i + 1));
        EXPECT_EQ(tabs.box(i)->isVisibleTo(&tabs), i == 0) << i;
    }
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_EQ(tabs.TemplateText(0), settings::DefaultTemplate1());
    EXPECT_EQ(tabs.TemplateText(1),
              platform::Utf8ToGbk("<title>#本篇标题#</title>\r\n<body>\r\n#导入的文件内容#\r\n</body>"));
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(tabs.TemplateText(i), "") << i;
    }
}

TEST_F(MainWindowLayoutTest, TemplateBoxesWrapScrollVerticallyAndShowOnlyTheirOwnTab) {
    MainWindow& window = OpenWindow();
    TemplateTabs& tabs = window.templates();
    tabs.setCurrentIndex(3);
    for (int i = 0; i < 5; ++i) {
        const QPlainTextEdit* box = tabs.box(i);
        EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(box->isVisibleTo(&tabs), i == 3) << i;
    }
}

}  // namespace
}  // namespace tessivane::app::testing
