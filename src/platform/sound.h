#pragma once

#include <string>

namespace lotto {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts playing a WAV file and returns at once; a new sound replaces one still
  // playing. When the file is missing the platform's default sound plays instead.
  virtual void play(const std::string& path) = 0;
};

}  // namespace lotto
