// Plain controls made from table rows: kind, name, place, content and font, one row per control.
#include "app/ControlTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessivane::app {
using namespace Qt::StringLiterals;
namespace {

QWidget* CreateLineEdit(const ControlRow& row, QWidget* parent) {
    auto* edit = new QLineEdit(row.content.toString(), parent);
    if (row.alignment) {
        edit->setAlignment(row.alignment);
    }
    return edit;
}

QWidget* CreateComboBox(const ControlRow& row, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItems(row.content.toString().split(u'|'));
    combo->setEditable(false);
    return combo;
}

QWidget* CreateButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(row.content.toString(), parent);
    if (row.alignment & Qt::AlignLeft) {
        button->setStyleSheet(u"text-align: left;"_s);
    }
    return button;
}

QWidget* CreateSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QWidget* CreateWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::Heading:
            return new QLabel(row.content.toString(), parent);
        case ControlKind::Separator:
            return CreateSeparator(parent);
        case ControlKind::CheckBox:
            return new QCheckBox(row.content.toString(), parent);
        case ControlKind::LineEdit:
            return CreateLineEdit(row, parent);
        case ControlKind::ComboBox:
            return CreateComboBox(row, parent);
        case ControlKind::Button:
            return CreateButton(row, parent);
    }
    return new QWidget(parent);
}

}  // namespace

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = CreateWidget(row, parent);
    widget->setObjectName(row.name.toString());
    widget->setGeometry(row.place);
    if (row.pixelSize != kNormalPixels || row.bold || row.kind == ControlKind::Heading) {
        widget->setFont(UiFont(row.pixelSize, row.bold || row.kind == ControlKind::Heading));
    }
    return widget;
}

void CreateControls(std::span<const ControlRow> rows, QWidget* parent) {
    for (const ControlRow& row : rows) {
        CreateControl(row, parent);
    }
}

}  // namespace tessivane::app
