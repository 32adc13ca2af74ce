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

}  // namespace lotto
