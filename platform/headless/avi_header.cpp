#include "platform/headless/avi_header.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace platform::headless {

namespace {

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::optional<AviFacts> ReadAviFacts(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  // RIFF size "AVI " LIST size "hdrl" "avih" size, then the main header.
  std::array<unsigned char, 12 + 12 + 8 + 56> head{};
  if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return std::nullopt;
  const unsigned char* p = head.data();
  if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "AVI ", 4) != 0) return std::nullopt;
  if (std::memcmp(p + 12, "LIST", 4) != 0 || std::memcmp(p + 20, "hdrl", 4) != 0) return std::nullopt;
  if (std::memcmp(p + 24, "avih", 4) != 0 || Le32(p + 28) < 56) return std::nullopt;
  const unsigned char* avih = p + 32;
  std::uint32_t microsecondsPerFrame = Le32(avih);
  std::uint32_t frames = Le32(avih + 16);
  AviFacts facts;
  facts.seconds = static_cast<double>(frames) * microsecondsPerFrame / 1e6;
  facts.width = static_cast<int>(Le32(avih + 32));
  facts.height = static_cast<int>(Le32(avih + 36));
  if (facts.width <= 0 || facts.height <= 0 || frames == 0) return std::nullopt;
  return facts;
}

bool WriteAviHeaderFile(const std::string& path, const AviFacts& facts) {
  std::ofstream out(path, std::ios::binary);
  auto put32 = [&out](std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 24)};
    out.write(bytes, 4);
  };
  constexpr std::uint32_t kFramePeriodUs = 100000;
  auto frames = static_cast<std::uint32_t>(facts.seconds * 10.0 + 0.5);
  out.write("RIFF", 4);
  put32(4 + 12 + 8 + 56);
  out.write("AVI LIST", 8);
  put32(4 + 8 + 56);
  out.write("hdrlavih", 8);
  put32(56);
  const std::uint32_t header[14] = {kFramePeriodUs, 0, 0, 0, frames, 0, 2, 0,
                                    static_cast<std::uint32_t>(facts.width), static_cast<std::uint32_t>(facts.height),
                                    0, 0, 0, 0};
  for (std::uint32_t v : header) put32(v);
  return static_cast<bool>(out);
}

}  // namespace platform::headless
