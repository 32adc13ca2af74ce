#include "platform/http_client.h"

namespace lotto {

void requireSuccessStatus(const HttpReply& reply) {
  if (reply.code >= 200 && reply.code <= 299) return;
  throw HttpError("Der Server meldet einen Fehler: " + reply.statusLine);
}

std::string serverBaseAddress(const std::string& server) {
  std::string base = server;
  while (!base.empty() && base.back() == '/') base.pop_back();
  if (base.find("://") == std::string::npos) base = "http://" + base;
  return base;
}

}  // namespace lotto
