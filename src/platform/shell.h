#pragma once

#include <string>

namespace lotto {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or an address with the program the system associates with it.
  virtual void openDocument(const std::string& pathOrAddress) = 0;
};

}  // namespace lotto
