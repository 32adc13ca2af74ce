#include "online_service.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <regex>

#include "platform/errors.h"
#include "platform/file_io.h"

namespace lotto::drawserver {
namespace {

std::string httpDate(std::time_t time) {
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[64];
  std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &utc);
  return text;
}

std::optional<std::string> canonical(const std::string& path) {
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return std::nullopt;
  return std::string(resolved);
}

}  // namespace

std::string htmlEscaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

BasketService::BasketService(std::string ownAddress, std::optional<int> status, std::string body)
    : ownAddress_(std::move(ownAddress)), status_(status), body_(std::move(body)) {}

ServiceReply BasketService::answerTemplate(
    const std::multimap<std::string, std::string>& /*query*/) const {
  if (status_) return {*status_, body_};
  std::string address = ownAddress_ + kBasketPagePath + "?";
  for (int tip = 1; tip <= 12; ++tip) {
    address += "kasten" + std::to_string(tip) + "=[KASTEN" + std::to_string(tip) + "]&";
  }
  return {200, address + "anzahl=[Anzahl]"};
}

ServiceReply BasketService::answerPage(const std::multimap<std::string, std::string>& query) {
  std::string items;
  for (int tip = 1; tip <= 12; ++tip) {
    const auto found = query.find("kasten" + std::to_string(tip));
    if (found == query.end() || found->second.empty() || found->second == ",,,,,") continue;
    items += "<li>" + std::to_string(tip) + ". Tipp: " + htmlEscaped(found->second) + "</li>\n";
  }
  const auto count = query.find("anzahl");
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"de\">\n<head><meta charset=\"utf-8\">"
      "<title>Warenkorb</title></head>\n<body>\n<h1>Warenkorb</h1>\n";
  page += items.empty() ? "<p>Der Warenkorb ist leer.</p>\n" : "<ol>\n" + items + "</ol>\n";
  if (count != query.end()) page += "<p>Tipps: " + htmlEscaped(count->second) + "</p>\n";
  page +=
      "<p>Dies ist der Warenkorb des Ziehungsservers: hier endet die Übergabe.</p>\n"
      "</body>\n</html>\n";
  return {200, page};
}

ScriptReply answerScript(const std::string& folder, const std::string& name) {
  static const std::regex allowed("^[A-Za-z0-9][A-Za-z0-9._ -]{0,99}$");
  if (folder.empty() || !std::regex_match(name, allowed) || name.find("..") != std::string::npos) {
    return {};
  }
  const auto root = canonical(folder);
  const auto file = canonical(folder + "/" + name);
  if (!root || !file || file->rfind(*root + "/", 0) != 0 ||
      file->find('/', root->size() + 1) != std::string::npos) {
    return {};
  }
  struct stat st {};
  if (::lstat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  try {
    return {200, readWholeFile(*file), httpDate(st.st_mtime)};
  } catch (const AppError&) {
    return {};
  }
}

}  // namespace lotto::drawserver
