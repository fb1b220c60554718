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

}  // namespace platform::headless
