#pragma once
// The basket hand-over ("Warenkorb", "Online abgeben"): the portal server gives the
// address template of the broker's basket; the twelve tips are filled into it and the
// address is opened in the web browser.

#include <array>
#include <string>

#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "platform/http_client.h"
#include "platform/shell.h"

namespace lotto {

inline constexpr std::size_t kLongestBasketAddress = 2048;
inline constexpr const char* kMessagePageName = "Meldung.htm";

// "/lotto/lotto.asp?Spiel=KalkuAT&Wo=Lottoland&Tipps=N" below the server's address.
std::string basketTemplateUrl(const std::string& server, int tips);
// The built-in template: the server's basket page with kasten1 .. kasten12.
std::string fallbackBasketTemplate(const std::string& server);
// The six field texts of each tip joined by commas, as they stand.
std::array<std::string, 12> basketTipTexts(const TipGrid& tips);
// The template filled: each "[KASTENn]" once, then "[Anzahl]" with the number of the last
// tip that holds anything.
std::string fillBasketTemplate(std::string address, const TipGrid& tips);
// Only an http or https address of at most 2048 bytes, in UTF-8 and without control or
// format characters (platform/text_safety.h), may be opened: anything else from a server
// is refused with AppError.
void requireSafeAddress(const std::string& address);

struct BasketParts {
  const TipGrid& tips;
  int tipCount;  // tipCount
  const TextField& server;
  const TextField& proxyHost;
  const TextField& proxyPort;
  std::string home;     // the program folder, for "Meldung.htm"
  std::string& status;  // panel 1 of the status bar
  HttpClient& http;
  Shell& shell;
};

// sendToBasket.
void handOverToBasket(const BasketParts& parts);

}  // namespace lotto
