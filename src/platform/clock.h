#pragma once

namespace lotto {

class Clock {
 public:
  virtual ~Clock() = default;
  // Today's date as a whole day number (local time).
  virtual double today() = 0;
};

// The computer's clock.
class SystemClock : public Clock {
 public:
  double today() override;
};

}  // namespace lotto
