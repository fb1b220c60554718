#include "recordings/recording_kinds.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace {
constexpr std::size_t kHeaderBytes = 12;
}

void ReadRecordingKindsFile(const std::string& path, std::span<std::uint8_t, kRecordingKindEntries> kinds) {
  std::fill(kinds.begin(), kinds.end(), std::uint8_t{0});

  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return;

  // Words past the 3000th are never used, so the read stops there.
  std::vector<unsigned char> bytes(kHeaderBytes + 2 * kRecordingKindEntries);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  const auto size = static_cast<std::size_t>(file.gcount());
  if (size <= kHeaderBytes) return;

  const std::size_t count = std::min((size - kHeaderBytes) / 2, kRecordingKindEntries);
  for (std::size_t k = 0; k < count; ++k) {
    const unsigned word = bytes[kHeaderBytes + 2 * k] | (bytes[kHeaderBytes + 2 * k + 1] << 8);
    kinds[k] = static_cast<std::uint8_t>(word >> 14);
  }
}
