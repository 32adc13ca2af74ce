#pragma once

#include <cstdint>

namespace lotto {

class Clock {
 public:
  virtual ~Clock() = default;
  // Today's date as a whole day number (local time).
  virtual double today() = 0;
  // The low 32 bits of a high-resolution counter, different from one start to the next.
  virtual std::uint32_t highResolutionCounter() = 0;
};

// The computer's clock.
class SystemClock : public Clock {
 public:
  double today() override;
  std::uint32_t highResolutionCounter() override;
};

}  // namespace lotto
