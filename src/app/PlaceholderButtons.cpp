// The nine buttons that insert a placeholder into the template being edited.
#include "app/PlaceholderButtons.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/ControlTable.h"

namespace tessivane::app {
namespace {

using enum ControlKind;

// Each caption is the placeholder its button inserts.
constexpr ControlRow kRows[] = {
    {Button, u"按钮导入的文章", {8, 104, 223, 48}, u"#导入的文件内容#"},
    {Button, u"按钮上一篇标题", {232, 104, 96, 24}, u"#上一篇标题#"},
    {Button, u"按钮下一篇标题", {232, 128, 96, 24}, u"#下一篇标题#"},
    {Button, u"按钮上一篇链接", {328, 104, 96, 24}, u"#上一篇链接#"},
    {Button, u"按钮下一篇链接", {328, 128, 96, 24}, u"#下一篇链接#"},
    {Button, u"按钮本篇标题", {424, 104, 96, 24}, u"#本篇标题#"},
    {Button, u"按钮本篇链接", {424, 128, 96, 24}, u"#本篇链接#"},
    {Button, u"按钮随机篇标题", {520, 104, 96, 24}, u"#随机篇标题#"},
    {Button, u"按钮随机篇链接", {520, 128, 96, 24}, u"#随机篇链接#"},
};

}  // namespace

void CreatePlaceholderButtons(QWidget* window, const std::function<void(const QString&)>& insert) {
    for (const ControlRow& row : kRows) {
        auto* button = static_cast<QPushButton*>(CreateControl(row, window));
        const QString name = row.content.mid(1, row.content.size() - 2).toString();
        QObject::connect(button, &QPushButton::clicked, window, [insert, name] { insert(name); });
    }
}

void InsertPlaceholder(QPlainTextEdit* box, const QString& name) {
    QTextCursor cursor = box->textCursor();
    // Leaving the undo history behind takes the insertion out of undo's reach.
    box->setUndoRedoEnabled(false);
    cursor.insertText(u'#' + name + u'#');
    box->setUndoRedoEnabled(true);
    box->setTextCursor(cursor);
    box->setFocus(Qt::OtherFocusReason);
}

}  // namespace tessivane::app
