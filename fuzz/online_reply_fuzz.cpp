// Whatever the portal server replies, the basket hand-over opens nothing but an http or
// https address of at most 2048 characters without control characters, or the message
// page; and a click-script is replaced only by a whole 200 reply whose Last-Modified is
// later than the script's own time. The first byte picks the status and the service, the
// second the length of the Last-Modified header that follows; the rest is the body.
#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "app/main_window.h"
#include "online/basket.h"
#include "online/click_script.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace {

bool safeAddress(const std::string& address) {
  if (address.size() > lotto::kLongestBasketAddress) return false;
  for (const char c : address) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  std::string scheme = address.substr(0, address.find(':'));
  for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return (scheme == "http" || scheme == "https") && address.find("://") == scheme.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static const int kCodes[] = {200, 204, 302, 404, 500, 503};
  const int code = kCodes[(data[0] >> 1) % 6];
  const bool basket = (data[0] & 1) == 0;
  const std::size_t headerLength = std::min<std::size_t>(data[1], size - 2);
  const std::string header(reinterpret_cast<const char*>(data + 2), headerLength);
  const std::string body(reinterpret_cast<const char*>(data + 2 + headerLength),
                         size - 2 - headerLength);

  lotto::testing::FakeServices fakes;
  fakes.http.server = [&](const std::string&) {
    return lotto::testing::FakeHttpClient::status(code, "HTTP/1.1 " + std::to_string(code), body,
                                                  header);
  };
  lotto::MainWindow form(fakes.services(), fuzzFolder() + "kalkuat");
  form.files.dataFolder = fuzzFolder();
  form.setTipField(1, 1, "7");

  if (basket) {
    try {
      form.sendToBasket();
    } catch (const lotto::AppError&) {
      // A message for the user.
    }
    const std::string page = fuzzFolder() + lotto::kMessagePageName;
    for (const std::string& opened : fakes.shell.opened) {
      if (opened != page && !safeAddress(opened)) __builtin_trap();
      if (opened == page && lotto::readWholeFile(page) != body) __builtin_trap();
    }
    return 0;
  }

  const std::string script = fuzzFolder() + "Portal.bks";
  const std::string original = "lokal [Z1_1]";
  std::ofstream(script, std::ios::binary | std::ios::trunc) << original;
  const std::int64_t local = 1'765'000'000;
  const timespec times[2] = {{local, 0}, {local, 0}};
  if (::utimensat(AT_FDCWD, script.c_str(), times, 0) != 0) __builtin_trap();
  lotto::ScriptChooser chooser(fakes.ui, fakes.http, form.files.dataFolder,
                               form.internetOptions.server);
  chooser.script.text = script;
  chooser.refreshFromServer();
  const auto serverTime = lotto::parseHttpDate(header);
  const bool newer = code == 200 && serverTime && *serverTime > local;
  if (lotto::readWholeFile(script) != (newer ? body : original)) __builtin_trap();
  return 0;
}
