// The template editor: five tabs, each showing one multi-line template box and nothing else.
#include "app/TemplateTabs.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QTabBar>
#include <algorithm>

#include "app/ControlNames.h"
#include "app/GbkQString.h"

namespace tessivane::app {
using namespace Qt::StringLiterals;
namespace {

constexpr QRect kPlace{8, 152, 608, 280};
constexpr QRect kBoxPlace{8, 24, 593, 248};
constexpr int kBarHeight = 22;

// The selection stays in the box while it is unfocused, but is not shown.
void HideInactiveSelection(QPlainTextEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Inactive, QPalette::Text));
    box->setPalette(palette);
}

QPlainTextEdit* CreateBox(QWidget* parent, int index) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(names::kTemplateBoxes[index].toString());
    box->setGeometry(kBoxPlace);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HideInactiveSelection(box);
    return box;
}

QFrame* CreatePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, kBarHeight - 1, kPlace.width(), kPlace.height() - kBarHeight + 1);
    return panel;
}

}  // namespace

TemplateTabs::TemplateTabs(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    setObjectName(names::kTemplateTabs.toString());
    setGeometry(kPlace);
    CreatePanel(this);
    for (int i = 0; i < kCount; ++i) {
        bar_->addTab(u"模板%1"_s.arg(i + 1));
        boxes_[static_cast<std::size_t>(i)] = CreateBox(this, i);
    }
    bar_->setGeometry(0, 0, kPlace.width(), kBarHeight);
    bar_->setExpanding(false);
    bar_->raise();
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) { ShowOnly(index); });
    ShowOnly(0);
}

int TemplateTabs::currentIndex() const {
    return bar_->currentIndex();
}

void TemplateTabs::setCurrentIndex(int index) {
    bar_->setCurrentIndex(std::clamp(index, 0, kCount - 1));
}

QPlainTextEdit* TemplateTabs::box(int index) const {
    return boxes_.at(static_cast<std::size_t>(index));
}

QPlainTextEdit* TemplateTabs::currentBox() const {
    return box(currentIndex());
}

std::string TemplateTabs::TemplateText(int index) const {
    QString text = box(index)->toPlainText();
    return ToGbk(text.replace(u'\n', u"\r\n"_s));
}

void TemplateTabs::SetTemplateText(int index, std::string_view gbk) {
    QString text = FromGbk(gbk);
    box(index)->setPlainText(text.replace(u"\r\n"_s, u"\n"_s));
}

void TemplateTabs::ShowOnly(int index) {
    for (int i = 0; i < kCount; ++i) {
        boxes_[static_cast<std::size_t>(i)]->setVisible(i == index);
    }
}

}  // namespace tessivane::app
