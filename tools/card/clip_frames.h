#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pictures read back from a clip file, for checking what a clip shows.

namespace card {

struct ClipFrame {
  int width = 0;
  int height = 0;
  int stride = 0;                    // bytes per row
  std::vector<std::uint8_t> pixels;  // BGRx, rows top-down
};

// The picture shown `seconds` into the clip at `path`, decoded by whatever
// GStreamer finds for the file and scaled to width x height. Nothing when the
// file cannot be decoded; `error` then says why.
std::optional<ClipFrame> ReadClipFrame(const std::string& path, double seconds, int width, int height,
                                       std::string* error = nullptr);

}  // namespace card
