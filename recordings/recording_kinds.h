#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// recinfo.bin, the camera's recording-kind file: a 12-byte header, then one
// little-endian 16-bit word per clip whose bits 15 and 14 hold its kind
// (0 normal, 1 G-sensor event, 2 button, 3 parking).

inline constexpr std::size_t kRecordingKindEntries = 3000;

// Fills `kinds` from the file at `path`: all zero first, then one entry per word
// the file holds, at most 3000. A missing or empty file leaves them all zero.
void ReadRecordingKindsFile(const std::string& path, std::span<std::uint8_t, kRecordingKindEntries> kinds);
