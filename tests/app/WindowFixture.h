// A main window over a fresh settings folder and scripted dialogs, with file helpers.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "ScriptedDialogs.h"
#include "app/AppObjects.h"
#include "app/MainWindow.h"

namespace tessivane::app::testing {
using namespace Qt::StringLiterals;

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir_.isValid());
        ASSERT_TRUE(workDir_.isValid());
        CreateAppObjects(objects_, SettingsFolder());
    }

    void TearDown() override {
        window_.reset();
        ShutDown(objects_);
    }

    MainWindow& OpenWindow() {
        window_ = std::make_unique<MainWindow>(objects_, dialogs_);
        window_->show();
        return *window_;
    }

    // Closes the window as the user would and opens a new one over the same settings folder.
    MainWindow& ReopenWindow() {
        window_->close();
        window_.reset();
        return OpenWindow();
    }

    template <typename Widget = QWidget>
    Widget* Find(QStringView name) const {
        auto* widget = window_->findChild<Widget*>(name.toString());
        EXPECT_NE(widget, nullptr) << name.toString().toStdString();
        return widget;
    }

    std::filesystem::path SettingsFolder() const { return settingsDir_.path().toStdString(); }
    std::filesystem::path WorkFolder() const { return workDir_.path().toStdString(); }

    static void WriteFile(const std::filesystem::path& path, const std::string& bytes);
    static std::string ReadFile(const std::filesystem::path& path);

    QTemporaryDir settingsDir_;
    QTemporaryDir workDir_;
    AppObjects objects_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
};

inline void WindowFixture::WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline std::string WindowFixture::ReadFile(const std::filesystem::path& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            bytes.append(buffer, got);
        }
        std::fclose(file);
    }
    return bytes;
}

}  // namespace tessivane::app::testing
