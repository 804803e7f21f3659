// The nine buttons that insert a placeholder into the template being edited.
#pragma once

#include <QString>
#include <functional>

class QPlainTextEdit;
class QWidget;

namespace tessivane::app {

/// Creates the buttons on the window; a click calls insert with the placeholder's name
/// ("本篇标题" for "#本篇标题#").
void CreatePlaceholderButtons(QWidget* window, const std::function<void(const QString&)>& insert);

/// Replaces the box's kept selection (or inserts at its kept caret) with "#" + name + "#",
/// beyond the reach of the box's undo, and gives the box the focus with the caret after it.
void InsertPlaceholder(QPlainTextEdit* box, const QString& name);

}  // namespace tessivane::app
