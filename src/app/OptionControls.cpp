// The option controls the run reads, the two import buttons and the folder filter on the second.
#include "app/OptionControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/ControlNames.h"
#include "app/ControlTable.h"
#include "app/DigitKeyFilter.h"

namespace tessivane::app {
namespace {

using enum ControlKind;
namespace n = names;

constexpr int kEncodingPixels = 15;
constexpr int kImportPixels = 19;

// The folder filter comes after its button so that it lies on the button's face.
constexpr ControlRow kRows[] = {
    {Heading, n::kTitleHeading, {8, 440, 377, 24}, u"标题处理参数："},
    {Label, n::kTitleSourceLabel, {11, 480, 69, 20}, u"标题来源："},
    {ComboBox, n::kTitleSource, {83, 480, 222, 20}, u"文件名|<title>网页标题</title>|文件内容首行"},
    {CheckBox, n::kDropFirstLine, {318, 480, 72, 20}, u"去掉首行"},
    {CheckBox, n::kRewriteTitle, {11, 512, 80, 24}, u"替换标题"},
    {LineEdit, n::kMatchText, {83, 512, 100, 24}, u"(.+)[_-].*"},
    {Label, n::kToLabel, {186, 512, 16, 24}, u"到"},
    {LineEdit, n::kReplaceText, {204, 512, 100, 24}, u"$1"},
    {CheckBox, n::kUseRegex, {318, 512, 72, 24}, u"使用正则"},
    {Label, n::kEncodingLabel, {424, 440, 72, 23}, u"文件编码：", kEncodingPixels},
    {ComboBox, n::kEncoding, {504, 440, 102, 23}, u"ANSI(GBK)|UTF-8|Unicode", kEncodingPixels},
    {Heading, n::kContentHeading, {8, 552, 377, 24}, u"内容处理参数："},
    {CheckBox, n::kCutBetween, {11, 584, 101, 20}, u"截取中间内容"},
    {CheckBox, n::kKeepWhenCutEmpty, {238, 584, 141, 20}, u"截取为空时返回原内容"},
    {Label, n::kCutLeftLabel, {27, 608, 56, 24}, u"左边内容："},
    {LineEdit, n::kCutLeft, {88, 608, 104, 24}, u"<body>"},
    {Label, n::kCutRightLabel, {219, 608, 56, 24}, u"右边内容："},
    {LineEdit, n::kCutRight, {280, 608, 104, 24}, u"</body>"},
    {Button, n::kImportFiles, {421, 472, 187, 41}, u"选择文件导入", kImportPixels, true},
    {Button, n::kImportFolder, {421, 515, 187, 41}, u" 选择目录导入", kImportPixels, true, Qt::AlignLeft},
    {LineEdit, n::kFolderFilter, {563, 524, 38, 24}, u"*.txt", kNormalPixels, false, Qt::AlignCenter},
    {CheckBox, n::kUseExtension, {421, 583, 131, 24}, u"生成文件的扩展名："},
    {LineEdit, n::kExtension, {552, 583, 56, 24}, u"htm", kNormalPixels, false, Qt::AlignCenter},
    {CheckBox, n::kWriteIndex, {421, 608, 131, 24}, u"生成文章系统首页："},
    {LineEdit, n::kPageSize, {552, 608, 56, 24}, u"50", kNormalPixels, false, Qt::AlignCenter},
};

OptionControls FindOptionControls(const QWidget& w) {
    return {Child<QComboBox>(w, n::kTitleSource),      Child<QCheckBox>(w, n::kDropFirstLine),
            Child<QCheckBox>(w, n::kRewriteTitle),     Child<QLineEdit>(w, n::kMatchText),
            Child<QLineEdit>(w, n::kReplaceText),      Child<QCheckBox>(w, n::kUseRegex),
            Child<QComboBox>(w, n::kEncoding),         Child<QCheckBox>(w, n::kCutBetween),
            Child<QCheckBox>(w, n::kKeepWhenCutEmpty), Child<QLineEdit>(w, n::kCutLeft),
            Child<QLineEdit>(w, n::kCutRight),         Child<QPushButton>(w, n::kImportFiles),
            Child<QPushButton>(w, n::kImportFolder),   Child<QLineEdit>(w, n::kFolderFilter),
            Child<QCheckBox>(w, n::kUseExtension),     Child<QLineEdit>(w, n::kExtension),
            Child<QCheckBox>(w, n::kWriteIndex),       Child<QLineEdit>(w, n::kPageSize)};
}

}  // namespace

OptionControls CreateOptionControls(QWidget* window) {
    CreateControls(kRows, window);
    OptionControls controls = FindOptionControls(*window);
    controls.titleSource->setCurrentIndex(1);
    controls.encoding->setCurrentIndex(0);
    for (QCheckBox* ticked :
         {controls.dropFirstLine, controls.useRegex, controls.cutBetween, controls.keepWhenCutEmpty}) {
        ticked->setChecked(true);
    }
    controls.pageSize->installEventFilter(new DigitKeyFilter(controls.pageSize));
    return controls;
}

}  // namespace tessivane::app
