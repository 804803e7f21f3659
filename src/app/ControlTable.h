// Plain controls made from table rows: kind, name, place, content and font, one row per control.
#pragma once

#include <QRect>
#include <QStringView>
#include <QWidget>
#include <span>

#include "app/UiFont.h"

namespace tessivane::app {

enum class ControlKind { Label, Heading, Separator, CheckBox, LineEdit, ComboBox, Button };

struct ControlRow {
    ControlKind kind;
    QStringView name;
    QRect place;          // relative to the parent's client area
    QStringView content;  // caption or text; a combo box's items separated by "|"
    int pixelSize = kNormalPixels;
    bool bold = false;
    Qt::Alignment alignment = {};  // text alignment of an edit box or a button, when not the default
};

/// Creates the row's control on parent, visible and enabled, with its name, place and content.
QWidget* CreateControl(const ControlRow& row, QWidget* parent);
void CreateControls(std::span<const ControlRow> rows, QWidget* parent);

/// The child of root with the name; the name always exists when the window is built.
template <typename Widget>
Widget* Child(const QWidget& root, QStringView name) {
    return root.findChild<Widget*>(name.toString());
}

}  // namespace tessivane::app
