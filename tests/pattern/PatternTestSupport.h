// Shared helpers of the pattern tests: GBK literals written as UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace tessivane::pattern::testing {

inline std::string G(std::string_view utf8) {
    return platform::Utf8ToGbk(utf8);
}

}  // namespace tessivane::pattern::testing
