#pragma once

#include <string>
#include <vector>

namespace lotto {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or an address with the program the system associates with it.
  virtual void openDocument(const std::string& pathOrAddress) = 0;
  // Starts a program with its arguments, each one as it stands (no shell reads them), and
  // returns at once; false when it could not be started.
  virtual bool startProgram(const std::string& program,
                            const std::vector<std::string>& arguments) = 0;
};

}  // namespace lotto
