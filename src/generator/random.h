#pragma once
// The program's one pseudo-random generator: every random choice (the generator's draws,
// the number dialog's picks) comes from it, so that equal seeds give equal tips.

#include <cstdint>

namespace lotto {

class RandomGenerator {
 public:
  // 0 .. n-1 for n >= 1; advances the seed: seed := seed * 134775813 + 1 (mod 2^32), and
  // the result is n * seed / 2^32, rounded down, in 64 bits.
  std::int32_t next(std::int32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::int32_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed_) >> 32);
  }

  // A signed seed is kept as its two's complement: -5 becomes 4294967291.
  void setSeed(std::int32_t seed) { seed_ = static_cast<std::uint32_t>(seed); }
  // Seeding from the clock: the low 32 bits of a high-resolution counter.
  void seedFromCounter(std::uint32_t counter) { seed_ = counter; }
  std::uint32_t seed() const { return seed_; }

 private:
  std::uint32_t seed_ = 0;
};

}  // namespace lotto
