// The five enabling rules: the states at start-up and after the user changes a control.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "WindowFixture.h"

namespace tessivane::app::testing {
namespace {

struct ExpectedState {
    QStringView name;
    bool enabled;
};

// A first start: title source item 1, cutting on, extension, index and rewriting off.
const ExpectedState kFirstStart[] = {
    {u"选择框去掉首行", false},    {u"选择框截取为空时返回原文", true},
    {u"编辑框左边内容", true},     {u"编辑框右边内容", true},
    {u"编辑框扩展名", false},      {u"编辑框分页", false},
    {u"编辑框匹配式", false},      {u"编辑框替换式", false},
    {u"选择框使用正则", false},    {u"组合框标题来源", true},
    {u"选择框截取中间内容", true}, {u"选择框扩展名", true},
    {u"选择框生成首页", true},     {u"选择框替换标题", true},
};

struct ExpectedCheck {
    QStringView name;
    bool checked;
};

const ExpectedCheck kFirstStartChecks[] = {
    {u"选择框去掉首行", true}, {u"选择框截取中间内容", true}, {u"选择框截取为空时返回原文", true},
    {u"选择框扩展名", false},  {u"选择框生成首页", false},    {u"选择框替换标题", false},
    {u"选择框使用正则", true},
};

// A check box and the controls its rule enables exactly while it is ticked.
struct CheckBoxRule {
    QStringView box;
    std::vector<QStringView> dependents;
};

const CheckBoxRule kCheckBoxRules[] = {
    {u"选择框截取中间内容", {u"选择框截取为空时返回原文", u"编辑框左边内容", u"编辑框右边内容"}},
    {u"选择框扩展名", {u"编辑框扩展名"}},
    {u"选择框替换标题", {u"编辑框匹配式", u"编辑框替换式", u"选择框使用正则"}},
    {u"选择框生成首页", {u"编辑框分页"}},
};

using EnablingRulesTest = WindowFixture;

TEST_F(EnablingRulesTest, FirstStartShowsTheDesignedStatesAndSelections) {
    OpenWindow();
    for (const ExpectedState& expected : kFirstStart) {
        EXPECT_EQ(Find(expected.name)->isEnabled(), expected.enabled)
            << expected.name.toString().toStdString();
    }
    for (const ExpectedCheck& expected : kFirstStartChecks) {
        EXPECT_EQ(Find<QCheckBox>(expected.name)->isChecked(), expected.checked)
            << expected.name.toString().toStdString();
    }
    EXPECT_EQ(Find<QComboBox>(u"组合框标题来源")->currentIndex(), 1);
    EXPECT_EQ(Find<QComboBox>(u"组合框文件编码")->currentIndex(), 0);
}

TEST_F(EnablingRulesTest, EachClickOnACheckBoxSwitchesItsDependentsTogetherAndKeepsTheirValues) {
    OpenWindow();
    for (const CheckBoxRule& rule : kCheckBoxRules) {
        SCOPED_TRACE(rule.box.toString().toStdString());
        auto* box = Find<QCheckBox>(rule.box);
        for (int click = 0; click < 2; ++click) {
            box->click();
            for (QStringView dependent : rule.dependents) {
                EXPECT_EQ(Find(dependent)->isEnabled(), box->isChecked())
                    << dependent.toString().toStdString();
            }
        }
    }
    EXPECT_EQ(Find<QLineEdit>(u"编辑框左边内容")->text(), u"<body>");
}

TEST_F(EnablingRulesTest, OnlyTheFirstLineItemEnablesDropFirstLine) {
    OpenWindow();
    auto* titleSource = Find<QComboBox>(u"组合框标题来源");
    auto* dropFirstLine = Find<QCheckBox>(u"选择框去掉首行");
    QTest::keyClick(titleSource, Qt::Key_Down);
    ASSERT_EQ(titleSource->currentIndex(), 2);
    EXPECT_TRUE(dropFirstLine->isEnabled());
    QTest::keyClick(titleSource, Qt::Key_Up);
    QTest::keyClick(titleSource, Qt::Key_Up);
    ASSERT_EQ(titleSource->currentIndex(), 0);
    EXPECT_FALSE(dropFirstLine->isEnabled());
    EXPECT_TRUE(dropFirstLine->isChecked());
}

TEST_F(EnablingRulesTest, ValuesSetFromCodeLeaveTheStatesAlone) {
    OpenWindow();
    Find<QCheckBox>(u"选择框扩展名")->setChecked(true);
    Find<QComboBox>(u"组合框标题来源")->setCurrentIndex(2);
    EXPECT_FALSE(Find(u"编辑框扩展名")->isEnabled());
    EXPECT_FALSE(Find(u"选择框去掉首行")->isEnabled());
}

}  // namespace
}  // namespace tessivane::app::testing
