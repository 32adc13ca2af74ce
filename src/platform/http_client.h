#pragma once
// Plain HTTP GET, as the draw download and the online services use it.

#include <cstddef>
#include <string>

#include "platform/errors.h"

namespace lotto {

// Every request sends these headers.
inline constexpr const char* kHttpUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr const char* kHttpAccept = "text/html, */*";
// A request that has not finished after this long fails; a reply body larger than the
// limit fails too rather than filling the memory.
inline constexpr int kHttpTimeoutMs = 15000;
inline constexpr std::size_t kHttpMaxBodyBytes = std::size_t{1} << 20;

struct HttpReply {
  std::string statusLine;  // protocol, code and reason phrase: "HTTP/1.1 200 OK"
  int code = 0;
  std::string body;
  std::string lastModified;  // the Last-Modified header as sent, empty without one
};

// A request that failed: no connection, a proxy failure, the time-out, a reply that was
// cut off or too large, or a status outside 200..299. The text says which, in German.
class HttpError : public AppError {
 public:
  using AppError::AppError;
};

// Throws HttpError for a reply whose status is not a success (200..299).
void requireSuccessStatus(const HttpReply& reply);

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // The proxy of the requests that follow; an empty host means none.
  virtual void setProxy(const std::string& host, int port) = 0;
  // GET of an absolute http:// address. Cookies the server sets are kept for the run and
  // sent again. Only a success status returns; every failure throws HttpError.
  virtual HttpReply get(const std::string& url) = 0;
};

}  // namespace lotto
