// The few properties of window controls that the settings store saves and restores.
#pragma once

#include <string>
#include <string_view>

namespace tessivane::settings {

/// A check box, a toggle or a menu item: its caption is the key its state is saved under.
class CheckableControl {
public:
    virtual ~CheckableControl() = default;
    virtual std::string Caption() const = 0;
    virtual bool IsChecked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

/// An edit box or any control with a main text; for a combo box, the text of its edit field.
class TextControl {
public:
    virtual ~TextControl() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
};

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// A top-level window: its state (0 normal, 2 minimized, 3 maximized) and its rectangle.
class WindowControl {
public:
    static constexpr int kNormal = 0;
    static constexpr int kMinimized = 2;
    static constexpr int kMaximized = 3;

    virtual ~WindowControl() = default;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    virtual WindowRect Rect() const = 0;
    /// Moves and sizes the window in one step.
    virtual void SetRect(const WindowRect& rect) = 0;
};

}  // namespace tessivane::settings
