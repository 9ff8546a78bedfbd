#pragma once
// The process-wide pseudo-random generator used for ID proposals, seat
// assignment and random lists: a 64-bit linear congruential state yielding
// numbers from 0 to 2^31 - 1.
#include <cstdint>

namespace quorle {

class RandomGenerator {
public:
    // The state becomes the seed (a time value), upper half 0.
    void Seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t Next() {
        state_ = state_ * kMultiplier + 1u;
        return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
    }
    std::uint64_t State() const { return state_; }

    static constexpr std::uint64_t kMultiplier = (std::uint64_t{346} << 32) + 20021u;

private:
    std::uint64_t state_ = 1;
};

// The one generator of the process.
RandomGenerator& ProcessRandom();

}  // namespace quorle
