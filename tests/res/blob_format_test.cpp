#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "res/blob_format.h"

namespace {

using Words = std::vector<std::uint32_t>;

Words Repeat(std::uint32_t pixel, std::size_t n) { return Words(n, pixel); }

Words Join(std::initializer_list<Words> parts) {
  Words all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(BlobFormat, PackedPixelsUnpackToTheSamePixels) {
  const std::vector<Words> cases = {
      {},
      {7},
      {1, 2},
      Repeat(5, 3),
      Repeat(5, 100000),
      {1, 1, 2, 2, 3, 3},                                   // pairs stay literal
      Join({{9}, Repeat(4, 3), {8, 8}, Repeat(0, 50), {1}}),  // runs between literals
      Join({Repeat(0xFF00FF, 7), {0x123456, 0xFF00FF}}),
  };
  for (const Words& pixels : cases) {
    SCOPED_TRACE(pixels.size());
    const Words packed = res::PackPixels(pixels);
    Words out(pixels.size(), 0xDEADBEEF);
    EXPECT_TRUE(res::UnpackPixels(packed, out));
    EXPECT_EQ(out, pixels);
  }
  EXPECT_EQ(res::PackPixels(Repeat(5, 100000)).size(), 2u);
}

TEST(BlobFormat, MalformedDataIsRefused) {
  const std::uint32_t repeat = 0x80000000u;
  struct Case {
    const char* what;
    Words packed;
    std::size_t size;
  };
  const std::vector<Case> cases = {
      {"too few pixels", {2, 1, 2}, 3},
      {"too many pixels", {repeat | 5, 9}, 4},
      {"literals past the end", {4, 1, 2}, 4},
      {"repeat without its pixel", {repeat | 2}, 2},
      {"empty run", {0, repeat | 2, 1}, 2},
      {"count beyond any size", {0xFFFFFFFFu, 1}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Words out(c.size);
    EXPECT_FALSE(res::UnpackPixels(c.packed, out));
  }
}

}  // namespace
