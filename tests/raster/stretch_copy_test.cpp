#include <climits>
#include <vector>

#include <gtest/gtest.h>

#include "platform/raster/draw.h"
#include "tests/raster/raster_test_support.h"

namespace {

using platform::Bitmap;
using platform::Colour;
using platform::Rect;
using platform::Rgb;
using raster_test::Crop;
using raster_test::Pattern;
namespace raster = platform::raster;

// A 1-row bitmap whose pixel x is colour x + 1.
Bitmap Strip(int width) {
  Bitmap strip(width, 1);
  for (int x = 0; x < width; ++x) strip.SetPixel(x, 0, static_cast<Colour>(x + 1));
  return strip;
}

std::vector<Colour> RowOf(const Bitmap& bitmap, int y) {
  return std::vector<Colour>(bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
}

TEST(StretchCopy, EachDestinationPixelTakesTheSourcePixelUnderItsCentre) {
  struct Case {
    const char* name;
    int srcWidth;
    Rect from;
    int toWidth;
    std::vector<Colour> row;  // source pixel numbers, 1-based; 0 = untouched
  };
  const Case cases[] = {
      {"same size", 3, {0, 0, 3, 1}, 3, {1, 2, 3}},
      {"enlarge twice", 3, {0, 0, 3, 1}, 6, {1, 1, 2, 2, 3, 3}},
      {"shrink to half", 4, {0, 0, 4, 1}, 2, {2, 4}},
      {"enlarge 3 to 5", 3, {0, 0, 3, 1}, 5, {1, 1, 2, 3, 3}},
      {"shrink 5 to 3", 5, {0, 0, 5, 1}, 3, {1, 3, 5}},
      {"shrink to one", 4, {0, 0, 4, 1}, 1, {3}},
      {"part of the source", 6, {2, 0, 2, 1}, 4, {3, 3, 4, 4}},
      {"source rectangle off the left", 2, {-2, 0, 4, 1}, 4, {0, 0, 1, 2}},
      {"source rectangle off the right", 2, {1, 0, 2, 1}, 4, {2, 2, 0, 0}},
      {"empty source rectangle", 3, {0, 0, 0, 1}, 3, {0, 0, 0}},
      {"negative destination width", 3, {0, 0, 3, 1}, -3, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap dst(std::max(c.toWidth, 0), 1);
    raster::StretchCopy(dst, {0, 0, c.toWidth, 1}, Strip(c.srcWidth), c.from);
    EXPECT_EQ(RowOf(dst, 0), c.row);
  }
}

TEST(StretchCopy, RowsMapLikeColumns) {
  const Bitmap source = Pattern(2, 3);
  Bitmap up(4, 6);
  raster::StretchCopy(up, {0, 0, 4, 6}, source, {0, 0, 2, 3});
  Bitmap down(1, 1);
  raster::StretchCopy(down, {0, 0, 1, 1}, source, {0, 0, 2, 3});
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(up.Pixel(x, y), source.Pixel(x / 2, y / 2)) << x << "," << y;
  }
  EXPECT_EQ(down.Pixel(0, 0), source.Pixel(1, 1));
}

// Drawing onto a small bitmap must give exactly the visible part of the same
// drawing on a bitmap large enough to hold it whole.
TEST(StretchedCopies, ClipToTheDestinationAtEveryEdge) {
  const Bitmap source = Pattern(5, 4);
  const Colour key = source.Pixel(2, 1);
  const Rect destinations[] = {
      {-3, 1, 8, 6},  {1, -4, 7, 7}, {4, 2, 9, 5},  {2, 5, 6, 9},
      {-6, -6, 20, 20}, {-20, 0, 8, 6}, {9, 9, 3, 3},
  };
  const int margin = 20;
  for (const Rect& to : destinations) {
    SCOPED_TRACE(::testing::Message() << to.x << "," << to.y << " " << to.width << "x" << to.height);
    for (bool transparent : {false, true}) {
      Bitmap small = Pattern(9, 8);
      Bitmap large(9 + 2 * margin, 8 + 2 * margin);
      raster::Copy(large, margin, margin, 9, 8, small, 0, 0);
      Rect shifted{to.x + margin, to.y + margin, to.width, to.height};
      if (transparent) {
        raster::TransparentCopy(small, to, source, {0, 0, 5, 4}, key);
        raster::TransparentCopy(large, shifted, source, {0, 0, 5, 4}, key);
      } else {
        raster::StretchCopy(small, to, source, {0, 0, 5, 4});
        raster::StretchCopy(large, shifted, source, {0, 0, 5, 4});
      }
      EXPECT_EQ(small, Crop(large, {margin, margin, 9, 8}));
    }
  }
}

TEST(StretchedCopies, ExtremeRectanglesDrawOnlyWhatIsVisible) {
  const Bitmap source = Pattern(3, 3);
  Bitmap dst(4, 4, Rgb(1, 2, 3));
  const Bitmap before = dst;
  raster::StretchCopy(dst, {INT_MAX - 2, 0, INT_MAX, 4}, source, {0, 0, 3, 3});
  raster::StretchCopy(dst, {0, 0, 4, 4}, source, {INT_MIN, INT_MIN, 3, 3});
  raster::TransparentCopy(dst, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, source, {0, 0, 3, 3}, 0);
  EXPECT_EQ(dst, before);

  // A huge destination rectangle still maps its visible corner onto the source's.
  raster::StretchCopy(dst, {0, 0, INT_MAX, INT_MAX}, source, {0, 0, 3, 3});
  EXPECT_EQ(dst, Bitmap(4, 4, source.Pixel(0, 0)));
}

TEST(StretchCopy, WithinOneBitmapReadsTheSourceFirst) {
  Bitmap bitmap = Strip(4);
  raster::StretchCopy(bitmap, {0, 0, 4, 1}, bitmap, {0, 0, 2, 1});
  EXPECT_EQ(RowOf(bitmap, 0), (std::vector<Colour>{1, 1, 2, 2}));
}

TEST(TransparentCopy, LeavesOutTheKeyAndMapsLikeStretchCopy) {
  const Colour magenta = Rgb(255, 0, 255);
  Bitmap button(3, 2, magenta);
  button.SetPixel(1, 0, Rgb(10, 200, 10));
  button.SetPixel(2, 1, Rgb(254, 0, 255));  // near the key is not the key

  for (Rect to : {Rect{1, 1, 3, 2}, Rect{0, 0, 6, 4}, Rect{0, 0, 2, 1}}) {
    SCOPED_TRACE(::testing::Message() << to.width << "x" << to.height);
    const Bitmap background = Pattern(7, 5);
    Bitmap stretched = background;
    raster::StretchCopy(stretched, to, button, {0, 0, 3, 2});
    Bitmap transparent = background;
    raster::TransparentCopy(transparent, to, button, {0, 0, 3, 2}, magenta);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        Colour s = stretched.Pixel(x, y);
        EXPECT_EQ(transparent.Pixel(x, y), s == magenta ? background.Pixel(x, y) : s) << x << "," << y;
      }
    }
  }
}

}  // namespace
