// Qt strings from the system's GBK texts and back, through the platform's code pages only.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessivane::app {

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);

/// A path the file dialogs gave, in the file system's own encoding.
std::filesystem::path ToPath(const QString& path);
QString FromPath(const std::filesystem::path& path);

}  // namespace tessivane::app
