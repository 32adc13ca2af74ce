#include "draw_service.h"

#include <stdexcept>

#include "platform/convert.h"
#include "platform/dates.h"

namespace lotto::drawserver {
namespace {

// The eight digits of a real calendar date.
bool isDateDigits(const std::string& text) {
  if (text.size() != 8) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  const int year = *tryToInteger(text.substr(0, 4));
  const int month = *tryToInteger(text.substr(4, 2));
  const int day = *tryToInteger(text.substr(6, 2));
  return month >= 1 && month <= 12 && day >= 1 &&
         civilDate(dayNumber(year, month, day)) == CivilDate{year, month, day};
}

const std::string* single(const std::multimap<std::string, std::string>& query,
                          const std::string& key) {
  if (query.count(key) != 1) return nullptr;
  return &query.find(key)->second;
}

}  // namespace

DrawService::DrawService(const std::vector<DrawRecord>& history,
                         const std::optional<std::string>& notice)
    : noDraw_(notice.value_or("Keine neue Ziehung")) {
  if (noDraw_.find(',') != std::string::npos) {
    throw std::invalid_argument("Die Mitteilung darf kein Komma enthalten.");
  }
  for (const DrawRecord& record : history) {
    const std::string digits = compactDate(record.date);
    std::string body = digits + ",";
    for (std::size_t i = 0; i < 7; ++i) body += std::to_string(record.bytes[i]) + ",";
    draws_[digits] = body;
    if (digits > newest_) newest_ = digits;
  }
}

ServiceReply DrawService::answer(const std::multimap<std::string, std::string>& query) const {
  const std::string* date = single(query, "Datum");
  const std::string* program = single(query, "Programm");
  if (date == nullptr || program == nullptr || *program != "KalkuAT" || !isDateDigits(*date)) {
    return {400, "Ungültige Anfrage: erwartet wird Datum=JJJJMMTT&Programm=KalkuAT\n"};
  }
  if (const auto found = draws_.find(*date); found != draws_.end()) return {200, found->second};
  // Eight digits compare like the dates they stand for.
  if (*date < newest_) return {204, ""};
  return {200, noDraw_};
}

}  // namespace lotto::drawserver
