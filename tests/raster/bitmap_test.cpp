#include "platform/raster/bitmap.h"

#include <climits>

#include <gtest/gtest.h>

#include "tests/raster/raster_test_support.h"

namespace {

using platform::Bitmap;
using platform::MonoMask;
using platform::Rect;
using platform::Rgb;

TEST(Bitmap, NonPositiveSizesMakeAnEmptyBitmap) {
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}, {4, -3}}) {
    Bitmap bitmap(w, h, Rgb(1, 2, 3));
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width() * bitmap.Height(), 0);
    bitmap.SetPixel(0, 0, Rgb(9, 9, 9));
    bitmap.FillRect({0, 0, 10, 10}, Rgb(9, 9, 9));
    EXPECT_EQ(bitmap.Pixel(0, 0), 0u);
  }
}

TEST(Bitmap, ReadsOutsideGiveZeroAndWritesOutsideAreIgnored) {
  Bitmap bitmap(3, 2, Rgb(10, 20, 30));
  const Bitmap before = bitmap;
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {INT_MIN, INT_MAX}}) {
    EXPECT_EQ(bitmap.Pixel(x, y), 0u);
    bitmap.SetPixel(x, y, Rgb(255, 255, 255));
  }
  EXPECT_EQ(bitmap, before);
}

TEST(Bitmap, FourthByteIsAlwaysZeroSoEqualColoursCompareEqual) {
  Bitmap a(2, 1, 0xFF112233);
  a.SetPixel(1, 0, 0xAB445566);
  Bitmap b(2, 1);
  b.SetPixel(0, 0, Rgb(0x11, 0x22, 0x33));
  b.SetPixel(1, 0, Rgb(0x44, 0x55, 0x66));
  EXPECT_EQ(a, b);
  a.Fill(0x7F000001);
  EXPECT_EQ(a.Pixel(0, 0), 1u);
  EXPECT_EQ(a.Bytes()[3], 0);
}

TEST(Bitmap, FillRectClipsAtEveryEdge) {
  struct Case {
    const char* name;
    Rect r;
    Rect inside;  // what must be filled
  };
  const Case cases[] = {
      {"inside", {1, 1, 2, 2}, {1, 1, 2, 2}},
      {"off left and top", {-2, -1, 4, 3}, {0, 0, 2, 2}},
      {"off right and bottom", {3, 2, 10, 10}, {3, 2, 2, 2}},
      {"covering all", {-5, -5, 20, 20}, {0, 0, 5, 4}},
      {"near the int limits", {INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX}, {}},
      {"from the lowest int", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {}},
      {"negative size", {2, 2, -1, 3}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap bitmap(5, 4, Rgb(1, 1, 1));
    bitmap.FillRect(c.r, Rgb(200, 0, 0));
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(bitmap.Pixel(x, y), c.inside.Contains({x, y}) ? Rgb(200, 0, 0) : Rgb(1, 1, 1)) << x << "," << y;
      }
    }
  }
}

TEST(MonoMask, StartsClearAndIgnoresOutside) {
  MonoMask mask(2, 2);
  mask.Set(1, 0, true);
  mask.Set(-1, 0, true);
  mask.Set(2, 1, true);
  EXPECT_TRUE(mask.IsSet(1, 0));
  EXPECT_FALSE(mask.IsSet(0, 0));
  EXPECT_FALSE(mask.IsSet(-1, 0));
  EXPECT_FALSE(mask.IsSet(2, 1));
  mask.Set(1, 0, false);
  EXPECT_FALSE(mask.IsSet(1, 0));
}

TEST(MaskForColour, SetsExactlyTheKeyPixelsAndBlackenColourClearsThem) {
  const auto key = Rgb(0, 255, 0);
  const auto nearKey = Rgb(0, 254, 0);
  Bitmap thumb(3, 2, key);
  thumb.SetPixel(1, 0, Rgb(255, 255, 255));
  thumb.SetPixel(2, 1, nearKey);

  MonoMask mask = platform::MaskForColour(thumb, thumb.Pixel(0, 0));
  ASSERT_EQ(mask.Width(), 3);
  ASSERT_EQ(mask.Height(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(mask.IsSet(x, y), thumb.Pixel(x, y) == key) << x << "," << y;
  }

  platform::BlackenColour(thumb, key);
  EXPECT_EQ(thumb.Pixel(0, 0), 0u);
  EXPECT_EQ(thumb.Pixel(1, 0), Rgb(255, 255, 255));
  EXPECT_EQ(thumb.Pixel(2, 1), nearKey);
}

}  // namespace
