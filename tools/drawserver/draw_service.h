#pragma once
// The draw service of the draw server: GET /zahlen/lotto_neu.asp?Datum=YYYYMMDD&Programm=KalkuAT
// answered from a draw history. Kept apart from the HTTP server so that its answers can be
// tested without a network.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "draws/draw_record.h"

namespace lotto::drawserver {

inline constexpr const char* kDrawPath = "/zahlen/lotto_neu.asp";

struct ServiceReply {
  int status = 200;  // the reason phrase is the standard one of the code
  std::string body;
};

class DrawService {
 public:
  // `notice`, when given, is the body of every reply for a date after the newest draw; it
  // must hold no comma, or the program would take it for a damaged draw.
  DrawService(const std::vector<DrawRecord>& history, const std::optional<std::string>& notice);

  // The reply to the query keys of a request:
  // - a date that holds a draw: 200, "YYYYMMDD,n1,n2,n3,n4,n5,n6,z," (numbers in stored order);
  // - a date without a draw before the newest draw: 204 "No Content", which the program
  //   passes over because its status line holds no "OK";
  // - a date after the newest draw: 200 with a body without a comma (the notice, if any),
  //   which ends the program's run;
  // - a query without a valid date or without "Programm=KalkuAT": 400.
  ServiceReply answer(const std::multimap<std::string, std::string>& query) const;

 private:
  std::map<std::string, std::string> draws_;  // date digits -> body
  std::string newest_;                        // date digits of the newest draw, "" for none
  std::string noDraw_;
};

}  // namespace lotto::drawserver
