#pragma once
// One temporary folder for the whole run of a fuzz target that needs files.
#include <stdlib.h>

#include <string>

inline const std::string& fuzzFolder() {
  static const std::string path = [] {
    std::string pattern = "/tmp/kalkuat-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) __builtin_trap();
    return pattern + "/";
  }();
  return path;
}
