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
  std::string body;          // the body as text (UTF-8), decoded by its charset
  std::string lastModified;  // the Last-Modified header as sent, empty without one
  std::string bytes;         // the body as it came over the wire
};

// A request that failed: no connection, a proxy failure, the time-out, a reply that was
// cut off or too large, or a status outside 200..299. The text says which, in German.
class HttpError : public AppError {
 public:
  using AppError::AppError;
};

// Throws HttpError for a reply whose status is not a success (200..299).
void requireSuccessStatus(const HttpReply& reply);

// The server setting as the start of a request address: without trailing slashes, and
// with "http://" when it names no scheme. A setting that is no UTF-8 or holds a control or
// format character (platform/text_safety.h) is refused with AppError, so that no request
// goes to an address other than the one the user sees.
std::string serverBaseAddress(const std::string& server);

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // The proxy of the requests that follow; an empty host means none.
  virtual void setProxy(const std::string& host, int port) = 0;
  // GET of an absolute http:// address; the reply comes back whatever its status (a
  // redirection is not followed). Cookies the server sets are kept for the run and sent
  // again. A failure of the transport throws HttpError.
  virtual HttpReply fetch(const std::string& url) = 0;
  // The same, but a status outside 200..299 throws HttpError too.
  HttpReply get(const std::string& url) {
    HttpReply reply = fetch(url);
    requireSuccessStatus(reply);
    return reply;
  }
};

}  // namespace lotto
