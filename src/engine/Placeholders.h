// The placeholder tokens of a template and the fixed texts the run puts in their place (GBK).
#pragma once

#include <string_view>

namespace tessivane::engine {

inline constexpr std::string_view kOwnTitle = "#\xB1\xBE\xC6\xAA\xB1\xEA\xCC\xE2#";  // #本篇标题#
inline constexpr std::string_view kOwnLink = "#\xB1\xBE\xC6\xAA\xC1\xB4\xBD\xD3#";   // #本篇链接#
inline constexpr std::string_view kPreviousTitle =
    "#\xC9\xCF\xD2\xBB\xC6\xAA\xB1\xEA\xCC\xE2#";  // #上一篇标题#
inline constexpr std::string_view kPreviousLink =
    "#\xC9\xCF\xD2\xBB\xC6\xAA\xC1\xB4\xBD\xD3#";  // #上一篇链接#
inline constexpr std::string_view kNextTitle = "#\xCF\xC2\xD2\xBB\xC6\xAA\xB1\xEA\xCC\xE2#";  // #下一篇标题#
inline constexpr std::string_view kNextLink = "#\xCF\xC2\xD2\xBB\xC6\xAA\xC1\xB4\xBD\xD3#";  // #下一篇链接#
inline constexpr std::string_view kRandomTitle =
    "#\xCB\xE6\xBB\xFA\xC6\xAA\xB1\xEA\xCC\xE2#";  // #随机篇标题#
inline constexpr std::string_view kRandomLink = "#\xCB\xE6\xBB\xFA\xC6\xAA\xC1\xB4\xBD\xD3#";  // #随机篇链接#
inline constexpr std::string_view kBody =
    "#\xB5\xBC\xC8\xEB\xB5\xC4\xCE\xC4\xBC\xFE\xC4\xDA\xC8\xDD#";  // #导入的文件内容#

inline constexpr std::string_view kNoPreviousTitle =
    "\xC3\xBB\xD3\xD0\xC9\xCF\xD2\xBB\xC6\xAA\xC1\xCB";  // 没有上一篇了
inline constexpr std::string_view kNoNextTitle =
    "\xC3\xBB\xD3\xD0\xCF\xC2\xD2\xBB\xC6\xAA\xC1\xCB";  // 没有下一篇了
inline constexpr std::string_view kNoLink = "#";

}  // namespace tessivane::engine
