#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <span>

#include "platform/resources.h"
#include "res/blob_format.h"

// The blob is linked in by embedded_blob.S; it starts 16-byte aligned.
extern "C" const std::uint32_t zelvik_artwork_blob[];
extern "C" const std::uint64_t zelvik_artwork_blob_bytes;

namespace platform {
namespace {

std::span<const std::uint32_t> BlobWords() {
  return {zelvik_artwork_blob, static_cast<std::size_t>(zelvik_artwork_blob_bytes / 4)};
}

// The table entry of `id`, if the blob has one whose pixels lie inside the blob.
std::optional<res::BlobEntry> FindEntry(int id) {
  const auto words = BlobWords();
  if (words.size() < res::kHeaderWords) return std::nullopt;
  res::BlobHeader header;
  std::memcpy(&header, words.data(), sizeof header);
  if (header.magic != res::kBlobMagic) return std::nullopt;
  const std::size_t tableEnd = res::kHeaderWords + std::size_t{header.count} * res::kEntryWords;
  if (tableEnd > words.size()) return std::nullopt;
  for (std::size_t at = res::kHeaderWords; at < tableEnd; at += res::kEntryWords) {
    res::BlobEntry entry;
    std::memcpy(&entry, words.data() + at, sizeof entry);
    if (entry.id != id) continue;
    const bool inside = entry.offset >= tableEnd && entry.offset <= words.size() &&
                        entry.length <= words.size() - entry.offset;
    if (!inside || entry.width <= 0 || entry.height <= 0) return std::nullopt;
    return entry;
  }
  return std::nullopt;
}

// Bitmaps are unpacked on first use and kept for the whole run; the map's nodes
// never move, so the references handed out stay valid.
std::map<int, Bitmap>& Cache() {
  static std::map<int, Bitmap> cache;
  return cache;
}

}  // namespace

bool HasBitmapResource(int id) { return FindEntry(id).has_value(); }

const Bitmap& LoadBitmapResource(int id) {
  static const Bitmap empty;
  auto& cache = Cache();
  if (auto it = cache.find(id); it != cache.end()) return it->second;
  const auto entry = FindEntry(id);
  if (!entry) return empty;
  Bitmap bitmap(entry->width, entry->height);
  const auto packed = BlobWords().subspan(entry->offset, entry->length);
  const std::span<std::uint32_t> pixels(bitmap.Row(0),
                                        static_cast<std::size_t>(entry->width) * entry->height);
  if (!res::UnpackPixels(packed, pixels)) return empty;
  return cache.emplace(id, std::move(bitmap)).first->second;
}

}  // namespace platform
