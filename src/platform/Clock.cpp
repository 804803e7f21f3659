// The millisecond tick clock, over the monotonic clock so that runs are timed across clock changes.
#include "platform/Clock.h"

#include <chrono>

namespace tessivane::platform {

std::uint64_t TickMilliseconds() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace tessivane::platform
