// A bag of article numbers that hands each number out once before any number repeats.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace tessivane::engine {

/// Draws without repetition within a cycle of the bag. Without a fixed seed the generator is
/// seeded afresh from the millisecond clock before each draw; with one, it is seeded once, so
/// the same seed gives the same draws on every system.
class NoRepeatPicker {
public:
    /// Empties the bag; the next draw refills it.
    void Reset() { pool_.clear(); }
    /// The next number of the bag for lo..hi; 0 when the range is empty. The bag is refilled
    /// only when it ran empty, whatever range is asked for.
    int Draw(int lo, int hi);
    /// Switches to one generator seeded once, for repeatable draws.
    void UseFixedSeed(std::uint64_t seed);

private:
    std::vector<int> pool_;
    std::mt19937_64 generator_;
    bool fixedSeed_ = false;
};

/// An evenly drawn number below bound (bound > 0), by rejection on the raw 64-bit output, so the
/// result depends only on the generator and not on the standard library.
std::uint64_t DrawBelow(std::mt19937_64& generator, std::uint64_t bound);

}  // namespace tessivane::engine
