// Conversions between the system's GBK texts and UTF-16, UTF-8 and native file names.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessivane::platform {

/// GBK (Windows code page 936, ICU's windows-936 table) to UTF-16. Bytes that form no
/// character of the code page become U+FFFD; a lead byte at the very end is dropped.
std::u16string GbkToUtf16(std::string_view gbk);

/// UTF-16 to GBK. The text is composed first (NFC), so a base letter followed by a
/// combining mark takes its precomposed form; every character without a GBK form,
/// default-ignorable ones such as U+FEFF included, becomes "?" (0x3F). Lone surrogates too.
std::string Utf16ToGbk(std::u16string_view utf16);

/// UTF-8 to UTF-16; every invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

/// UTF-16 to UTF-8; lone surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

/// GBK to UTF-8 and back, for terminal output and command-line input.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

/// A native path (its UTF-8 bytes on this platform) as a GBK text.
std::string PathToGbk(const std::filesystem::path& path);

/// A GBK text as a native path.
std::filesystem::path GbkToPath(std::string_view gbk);

}  // namespace tessivane::platform
