#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The layout of the artwork blob that the generator writes and the program embeds.
// Every field is a 32-bit little-endian word, so the blob is read as an array of
// words: a header, one entry per bitmap, then the packed pixels of each bitmap.
namespace res {

constexpr std::uint32_t kBlobMagic = 0x5A415254;  // "ZART"

struct BlobHeader {
  std::uint32_t magic;
  std::uint32_t count;  // number of entries that follow
};

struct BlobEntry {
  std::int32_t id;
  std::int32_t width;
  std::int32_t height;
  std::uint32_t offset;  // in words from the start of the blob
  std::uint32_t length;  // in words
};

constexpr std::size_t kHeaderWords = sizeof(BlobHeader) / 4;
constexpr std::size_t kEntryWords = sizeof(BlobEntry) / 4;

// Pixels are packed in runs: a control word n with the top bit set is followed by one
// pixel repeated (n & 0x7FFFFFFF) times; otherwise n literal pixels follow.
std::vector<std::uint32_t> PackPixels(std::span<const std::uint32_t> pixels);

// Unpacks into `out`, which must be filled exactly. Returns false for packed data that
// is malformed, runs past its end, or gives more or fewer pixels than `out` holds.
bool UnpackPixels(std::span<const std::uint32_t> packed, std::span<std::uint32_t> out);

}  // namespace res
