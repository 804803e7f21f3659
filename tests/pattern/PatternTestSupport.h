// Shared helpers of the pattern tests: GBK literals written as UTF-8.
#pragma once

#include "fakes/GbkLiterals.h"

namespace tessivane::pattern::testing {

using tessivane::testing::G;

}  // namespace tessivane::pattern::testing
