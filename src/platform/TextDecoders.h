// The three decoders that turn a source file's bytes into a GBK text.
#pragma once

#include <string>
#include <string_view>

namespace tessivane::platform {

/// The bytes up to, not including, the first zero byte, taken as GBK text unchanged.
std::string BytesToText(std::string_view bytes);

/// The bytes as UTF-16 little-endian units (an odd last byte ignored), converted to GBK;
/// the result ends before the first NUL character. No byte-order mark is removed.
std::string Utf16ToText(std::string_view bytes);

/// The bytes as UTF-8 (invalid sequences become U+FFFD), then as Utf16ToText does.
std::string Utf8ToText(std::string_view bytes);

}  // namespace tessivane::platform
