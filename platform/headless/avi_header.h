#pragma once

#include <optional>
#include <string>

namespace platform::headless {

// What the main header of an AVI file says about its video.
struct AviFacts {
  double seconds = 0.0;  // frames times frame period
  int width = 0;
  int height = 0;
};

// Reads the RIFF AVI main header of a file; none when the file is not an AVI clip.
std::optional<AviFacts> ReadAviFacts(const std::string& path);

// Writes a file that holds just such a header (10 frames a second): all the
// simulated media graph needs of a clip. False when the file cannot be written.
bool WriteAviHeaderFile(const std::string& path, const AviFacts& facts);

}  // namespace platform::headless
