// Placeholder buttons inserting into the current tab's box, and the page-size box's key filter.
#include <QCheckBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "WindowFixture.h"
#include "app/TemplateTabs.h"

namespace tessivane::app::testing {
namespace {

class TemplateEditingTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        OpenWindow();
    }

    TemplateTabs& Tabs() { return window_->templates(); }

    // Sets the box's text and its kept selection, then takes the focus away from it.
    void Prepare(int tab, const QString& text, int anchor, int position) {
        QPlainTextEdit* box = Tabs().box(tab);
        box->setPlainText(text);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        Find(u"编辑框匹配式")->setFocus();
    }

    void Press(QStringView button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
};

TEST_F(TemplateEditingTest, EveryButtonInsertsItsOwnCaption) {
    const QStringView buttons[] = {u"按钮导入的文章", u"按钮上一篇标题", u"按钮下一篇标题",
                                   u"按钮上一篇链接", u"按钮下一篇链接", u"按钮本篇标题",
                                   u"按钮本篇链接",   u"按钮随机篇标题", u"按钮随机篇链接"};
    Tabs().setCurrentIndex(2);
    QString expected;
    for (QStringView button : buttons) {
        Press(button);
        expected += Find<QPushButton>(button)->text();
    }
    EXPECT_EQ(Tabs().box(2)->toPlainText(), expected);
}

struct InsertCase {
    const char* what;
    int anchor;
    int position;
    QStringView expected;
    int caretAfter;
};

const InsertCase kInsertCases[] = {
    {"selection replaced", 2, 4, u"ab#本篇标题#ef", 8},
    {"selection made backwards replaced", 4, 2, u"ab#本篇标题#ef", 8},
    {"inserted at the kept caret", 3, 3, u"abc#本篇标题#def", 9},
    {"inserted at the start", 0, 0, u"#本篇标题#abcdef", 6},
};

TEST_F(TemplateEditingTest, TokenGoesToTheKeptSelectionOfTheCurrentTabsBox) {
    for (const InsertCase& c : kInsertCases) {
        SCOPED_TRACE(c.what);
        Tabs().setCurrentIndex(0);
        Prepare(0, u"first box"_s, 0, 0);
        Tabs().setCurrentIndex(2);
        Prepare(2, u"abcdef"_s, c.anchor, c.position);
        Press(u"按钮本篇标题");
        EXPECT_EQ(Tabs().box(2)->toPlainText(), c.expected.toString());
        EXPECT_EQ(Tabs().box(0)->toPlainText(), u"first box");
        EXPECT_EQ(Tabs().box(2)->textCursor().position(), c.caretAfter);
        EXPECT_FALSE(Tabs().box(2)->textCursor().hasSelection());
        EXPECT_EQ(window_->focusWidget(), Tabs().box(2));
    }
}

TEST_F(TemplateEditingTest, UndoCannotTakeTheInsertionBack) {
    QPlainTextEdit* box = Tabs().box(0);
    box->setPlainText({});
    box->setFocus();
    QTest::keyClicks(box, "typed");
    Press(u"按钮随机篇链接");
    box->undo();
    EXPECT_EQ(box->toPlainText(), u"typed#随机篇链接#");
}

struct KeyCase {
    const char* typed;
    QStringView expected;
};

const KeyCase kPageSizeKeys[] = {
    {"a", u"50"}, {"12", u"5012"}, {"-3", u"50-3"}, {"x1y-", u"501-"}, {" .+", u"50"},
};

TEST_F(TemplateEditingTest, PageSizeBoxTakesOnlyDigitsAndMinus) {
    Find<QCheckBox>(u"选择框生成首页")->click();
    auto* pageSize = Find<QLineEdit>(u"编辑框分页");
    for (const KeyCase& c : kPageSizeKeys) {
        pageSize->setText(u"50"_s);
        QTest::keyClicks(pageSize, c.typed);
        EXPECT_EQ(pageSize->text(), c.expected.toString()) << c.typed;
    }
    QTest::keyClick(pageSize, Qt::Key_Backspace);
    EXPECT_EQ(pageSize->text(), u"5");
}

TEST_F(TemplateEditingTest, PageSizeBoxRefusesLettersFromAnInputMethodToo) {
    Find<QCheckBox>(u"选择框生成首页")->click();
    auto* pageSize = Find<QLineEdit>(u"编辑框分页");
    for (const QString& committed : {u"五十"_s, u"7"_s}) {
        QInputMethodEvent event;
        event.setCommitString(committed);
        QCoreApplication::sendEvent(pageSize, &event);
    }
    EXPECT_EQ(pageSize->text(), u"507");
}

}  // namespace
}  // namespace tessivane::app::testing
