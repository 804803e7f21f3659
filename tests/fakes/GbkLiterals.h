// G("中文"): a UTF-8 literal in a test as the GBK text the system works with.
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace tessivane::testing {

inline std::string G(std::string_view utf8) {
    return platform::Utf8ToGbk(utf8);
}

}  // namespace tessivane::testing
