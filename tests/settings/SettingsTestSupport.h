// Helpers shared by the settings tests: GBK literals, a scratch folder and fake controls.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "fakes/GbkLiterals.h"
#include "platform/Files.h"
#include "settings/ControlInterfaces.h"

namespace tessivane::settings::testing {

using tessivane::testing::G;

/// A fresh folder, removed with everything in it at the end of the test.
class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessivane-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(folder_, error);
    }
    std::string Read(const std::filesystem::path& name) const {
        return platform::ReadFileBytes(folder_ / name);
    }
    void Write(const std::filesystem::path& name, std::string_view bytes) const {
        ASSERT_TRUE(platform::WriteFileBytes(folder_ / name, bytes));
    }

    std::filesystem::path folder_;
};

class FakeCheckBox final : public CheckableControl {
public:
    FakeCheckBox(std::string caption, bool checked) : caption_(std::move(caption)), checked_(checked) {}
    std::string Caption() const override { return caption_; }
    bool IsChecked() const override { return checked_; }
    void SetChecked(bool checked) override { checked_ = checked; }

private:
    std::string caption_;
    bool checked_;
};

class FakeTextControl final : public TextControl {
public:
    explicit FakeTextControl(std::string text) : text_(std::move(text)) {}
    std::string Text() const override { return text_; }
    void SetText(std::string_view text) override { text_ = text; }

private:
    std::string text_;
};

class FakeWindow final : public WindowControl {
public:
    FakeWindow(int state, WindowRect rect) : state_(state), rect_(rect) {}
    int State() const override { return state_; }
    void SetState(int state) override { state_ = state; }
    WindowRect Rect() const override { return rect_; }
    void SetRect(const WindowRect& rect) override { rect_ = rect; }

private:
    int state_;
    WindowRect rect_;
};

}  // namespace tessivane::settings::testing
