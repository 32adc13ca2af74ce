#include "platform/http_client.h"

#include "platform/text_safety.h"

namespace lotto {

void requireSuccessStatus(const HttpReply& reply) {
  if (reply.code >= 200 && reply.code <= 299) return;
  throw HttpError("Der Server meldet einen Fehler: " + reply.statusLine);
}

std::string serverBaseAddress(const std::string& server) {
  switch (findTextFault(server)) {
    case TextFault::None:
      break;
    case TextFault::InvalidUtf8:
      throw AppError("Die Adresse des Servers ist kein gültiges UTF-8 und wird nicht angefragt.");
    case TextFault::ControlOrFormat:
      throw AppError("Die Adresse des Servers enthält Steuerzeichen und wird nicht angefragt.");
  }
  std::string base = server;
  while (!base.empty() && base.back() == '/') base.pop_back();
  if (base.find("://") == std::string::npos) base = "http://" + base;
  return base;
}

}  // namespace lotto
