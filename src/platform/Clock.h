// The millisecond tick clock that times runs and seeds the random draws.
#pragma once

#include <cstdint>

namespace tessivane::platform {

/// Milliseconds of a monotonic clock; only differences mean anything.
std::uint64_t TickMilliseconds();

}  // namespace tessivane::platform
