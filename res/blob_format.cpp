#include "res/blob_format.h"

#include <algorithm>

namespace res {
namespace {

constexpr std::uint32_t kRepeatFlag = 0x80000000u;
constexpr std::size_t kMinRepeat = 3;  // shorter runs cost less as literals

std::size_t RunLength(std::span<const std::uint32_t> pixels, std::size_t at) {
  std::size_t end = at + 1;
  while (end < pixels.size() && pixels[end] == pixels[at]) ++end;
  return end - at;
}

}  // namespace

std::vector<std::uint32_t> PackPixels(std::span<const std::uint32_t> pixels) {
  std::vector<std::uint32_t> packed;
  std::size_t literalStart = 0;
  auto flushLiterals = [&](std::size_t end) {
    if (end > literalStart) {
      packed.push_back(static_cast<std::uint32_t>(end - literalStart));
      packed.insert(packed.end(), pixels.begin() + literalStart, pixels.begin() + end);
    }
  };
  std::size_t i = 0;
  while (i < pixels.size()) {
    const std::size_t run = RunLength(pixels, i);
    if (run >= kMinRepeat) {
      flushLiterals(i);
      packed.push_back(kRepeatFlag | static_cast<std::uint32_t>(run));
      packed.push_back(pixels[i]);
      literalStart = i + run;
    }
    i += run;
  }
  flushLiterals(pixels.size());
  return packed;
}

bool UnpackPixels(std::span<const std::uint32_t> packed, std::span<std::uint32_t> out) {
  std::size_t in = 0;
  std::size_t filled = 0;
  while (in < packed.size()) {
    const std::uint32_t control = packed[in++];
    const std::size_t count = control & ~kRepeatFlag;
    if (count == 0 || count > out.size() - filled) return false;
    if (control & kRepeatFlag) {
      if (in >= packed.size()) return false;
      std::fill_n(out.begin() + filled, count, packed[in++]);
    } else {
      if (count > packed.size() - in) return false;
      std::copy_n(packed.begin() + in, count, out.begin() + filled);
      in += count;
    }
    filled += count;
  }
  return filled == out.size();
}

}  // namespace res
