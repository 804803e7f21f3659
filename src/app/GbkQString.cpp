// Qt strings from the system's GBK texts and back, through the platform's code pages only.
#include "app/GbkQString.h"

#include <QFile>

#include "platform/CodePage.h"

namespace tessivane::app {

QString FromGbk(std::string_view gbk) {
    return QString::fromStdU16String(platform::GbkToUtf16(gbk));
}

std::string ToGbk(const QString& text) {
    return platform::Utf16ToGbk(text.toStdU16String());
}

std::filesystem::path ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace tessivane::app
