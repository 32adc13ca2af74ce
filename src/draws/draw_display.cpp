#include "draws/draw_display.h"

#include "platform/german.h"

namespace lotto {

std::string drawText(double date, const DrawNumbers& numbers, int blanksAfterDate) {
  std::string text = formatDrawDate(date);
  text.append(static_cast<std::size_t>(blanksAfterDate), ' ');
  for (std::size_t i = 1; i <= 6; ++i) text += "  " + std::to_string(numbers[i]);
  text += " Z:" + std::to_string(numbers[7]);
  return text;
}

std::string quersummeText(const DrawNumbers& numbers) {
  long long sum = 0;
  for (std::size_t i = 1; i <= 6; ++i) sum += numbers[i];
  return "Quersumme: " + std::to_string(sum);
}

}  // namespace lotto
