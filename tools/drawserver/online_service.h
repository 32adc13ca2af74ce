#pragma once
// The draw server's other two services: the basket template with its basket page, and the
// click-scripts of a folder.

#include <map>
#include <optional>
#include <string>

#include "draw_service.h"

namespace lotto::drawserver {

inline constexpr const char* kBasketTemplatePath = "/lotto/lotto.asp";
inline constexpr const char* kBasketPagePath = "/lotto/warenkorb2.asp";

class BasketService {
 public:
  // `ownAddress` is this server's "http://host:port"; with `status`, every template request
  // is answered with it and `body` instead (a 503 with a "Mitteilung", a 500 without).
  BasketService(std::string ownAddress, std::optional<int> status, std::string body);

  // GET /lotto/lotto.asp?Spiel=...&Wo=...&Tipps=N: the template of the own basket page, with
  // "[KASTEN1]" .. "[KASTEN12]" and "[Anzahl]".
  ServiceReply answerTemplate(const std::multimap<std::string, std::string>& query) const;
  // GET /lotto/warenkorb2.asp?kasten1=...: a page that lists the tips received, every value
  // HTML-escaped.
  static ServiceReply answerPage(const std::multimap<std::string, std::string>& query);

 private:
  std::string ownAddress_;
  std::optional<int> status_;
  std::string body_;
};

struct ScriptReply {
  int status = 404;
  std::string body;
  std::string lastModified;  // an HTTP date
};

// GET /scripts/NAME.txt: the file NAME directly in the folder, with its modification time.
// NAME (already percent-decoded) must match ^[A-Za-z0-9][A-Za-z0-9._ -]{0,99}$, hold no
// "..", and name a regular file whose canonical path lies in the folder; anything else is
// 404.
ScriptReply answerScript(const std::string& folder, const std::string& name);

// "&amp;", "&lt;", "&gt;", "&quot;", "&#39;" for the five characters HTML gives meaning.
std::string htmlEscaped(const std::string& text);

}  // namespace lotto::drawserver
