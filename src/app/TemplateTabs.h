// The template editor: five tabs, each showing one multi-line template box and nothing else.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QTabBar;

namespace tessivane::app {

class TemplateTabs final : public QWidget {
public:
    static constexpr int kCount = 5;

    explicit TemplateTabs(QWidget* parent);

    int currentIndex() const;
    /// Clamps to the tabs there are.
    void setCurrentIndex(int index);
    QPlainTextEdit* box(int index) const;
    QPlainTextEdit* currentBox() const;

    /// The box's text as GBK, its lines joined by CR LF.
    std::string TemplateText(int index) const;
    void SetTemplateText(int index, std::string_view gbk);

private:
    void ShowOnly(int index);

    QTabBar* bar_;
    std::array<QPlainTextEdit*, kCount> boxes_{};
};

}  // namespace tessivane::app
