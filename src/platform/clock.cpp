#include "platform/clock.h"

#include <chrono>
#include <ctime>

#include "platform/dates.h"

namespace lotto {

double SystemClock::today() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return dayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::uint32_t SystemClock::highResolutionCounter() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks);
}

}  // namespace lotto
