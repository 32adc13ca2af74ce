#pragma once

#include <QNetworkAccessManager>

#include "platform/http_client.h"

namespace lotto {

// HTTP GET with QNetworkAccessManager. A request is waited for in a local event loop, so
// the window repaints and its stop button can be pressed meanwhile; the command guard
// keeps every other input away. The manager's cookie jar keeps cookies for the run.
class QtHttpClient : public HttpClient {
 public:
  explicit QtHttpClient(int timeoutMs = kHttpTimeoutMs) : timeoutMs_(timeoutMs) {}

  void setProxy(const std::string& host, int port) override;
  HttpReply fetch(const std::string& url) override;

 private:
  QNetworkAccessManager manager_;
  int timeoutMs_;
};

}  // namespace lotto
