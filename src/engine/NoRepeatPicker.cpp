// A bag of article numbers that hands each number out once before any number repeats.
#include "engine/NoRepeatPicker.h"

#include "platform/Clock.h"

namespace tessivane::engine {

int NoRepeatPicker::Draw(int lo, int hi) {
    if (!fixedSeed_) {
        generator_.seed(platform::TickMilliseconds());
    }
    if (pool_.empty()) {
        for (long long number = lo; number <= hi; ++number) {
            pool_.push_back(static_cast<int>(number));
        }
    }
    if (pool_.empty()) {
        return 0;
    }
    const auto position = static_cast<std::ptrdiff_t>(DrawBelow(generator_, pool_.size()));
    const int number = pool_[static_cast<std::size_t>(position)];
    pool_.erase(pool_.begin() + position);
    return number;
}

void NoRepeatPicker::UseFixedSeed(std::uint64_t seed) {
    generator_.seed(seed);
    fixedSeed_ = true;
}

std::uint64_t DrawBelow(std::mt19937_64& generator, std::uint64_t bound) {
    // Outputs below (2^64 mod bound) would favour the small results; they are drawn again.
    const std::uint64_t threshold = (std::uint64_t{0} - bound) % bound;
    std::uint64_t value = generator();
    while (value < threshold) {
        value = generator();
    }
    return value % bound;
}

}  // namespace tessivane::engine
