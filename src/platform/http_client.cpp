#include "platform/http_client.h"

namespace lotto {

void requireSuccessStatus(const HttpReply& reply) {
  if (reply.code >= 200 && reply.code <= 299) return;
  throw HttpError("Der Server meldet einen Fehler: " + reply.statusLine);
}

}  // namespace lotto
