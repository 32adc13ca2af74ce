#include "online/basket.h"

#include <cctype>

#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/text_safety.h"

namespace lotto {
namespace {

void replaceFirst(std::string& text, const std::string& placeholder, const std::string& value) {
  const std::size_t at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), value);
}

std::string trimmed(const std::string& text) {
  const char* blanks = " \t\r\n\f\v";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::string basketTemplateUrl(const std::string& server, int tips) {
  return serverBaseAddress(server) +
         "/lotto/lotto.asp?Spiel=KalkuAT&Wo=Lottoland&Tipps=" + std::to_string(tips);
}

std::string fallbackBasketTemplate(const std::string& server) {
  std::string address = serverBaseAddress(server) + "/lotto/warenkorb2.asp?";
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (tip > 1) address += "&";
    address += "kasten" + std::to_string(tip) + "=[KASTEN" + std::to_string(tip) + "]";
  }
  return address;
}

std::array<std::string, 12> basketTipTexts(const TipGrid& tips) {
  std::array<std::string, 12> texts;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    std::string& text = texts[static_cast<std::size_t>(tip - 1)];
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      if (index > 1) text += ",";
      text += tips.text(tip, index);
    }
  }
  return texts;
}

std::string fillBasketTemplate(std::string address, const TipGrid& tips) {
  const std::array<std::string, 12> texts = basketTipTexts(tips);
  int last = 0;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    const std::string& text = texts[static_cast<std::size_t>(tip - 1)];
    replaceFirst(address, "[KASTEN" + std::to_string(tip) + "]", text);
    if (text != ",,,,,") last = tip;
  }
  replaceFirst(address, "[Anzahl]", std::to_string(last));
  return address;
}

void requireSafeAddress(const std::string& address) {
  switch (findTextFault(address)) {
    case TextFault::None:
      break;
    case TextFault::InvalidUtf8:
      throw AppError("Die Adresse des Warenkorbs ist kein gültiges UTF-8 und wird nicht geöffnet.");
    case TextFault::ControlOrFormat:
      throw AppError("Die Adresse des Warenkorbs enthält Steuerzeichen und wird nicht geöffnet.");
  }
  if (!startsWithNoCase(address, "http://") && !startsWithNoCase(address, "https://")) {
    throw AppError(
        "Die Adresse des Warenkorbs ist keine http- oder https-Adresse und wird nicht "
        "geöffnet: " +
        address.substr(0, 80));
  }
  if (address.size() > kLongestBasketAddress) {
    throw AppError(
        "Die Adresse des Warenkorbs ist länger als 2048 Zeichen und wird nicht "
        "geöffnet.");
  }
}

void handOverToBasket(const BasketParts& parts) {
  parts.tips.requireNoRepeatedNumbers("übergeben");
  const int port = toInteger(parts.proxyPort.text);
  parts.http.setProxy(parts.proxyHost.text, port);
  const HttpReply reply = parts.http.fetch(basketTemplateUrl(parts.server.text, parts.tipCount));
  std::string address;
  if (reply.code < 400) {
    address = trimmed(reply.body);
  } else if (reply.body.find("Mitteilung") != std::string::npos) {
    // The server's message page, as it sent it.
    const std::string page = parts.home + kMessagePageName;
    replaceFileAtomically(page, page + "~", reply.bytes);
    parts.shell.openDocument(page);
    return;
  } else {
    address = fallbackBasketTemplate(parts.server.text);
  }
  requireSafeAddress(address);
  const std::string filled = fillBasketTemplate(address, parts.tips);
  requireSafeAddress(filled);
  parts.shell.openDocument(filled);
  parts.status = "Überprüfen Sie den Tipp im Warenkorb!!!";
}

}  // namespace lotto
