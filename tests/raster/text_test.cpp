#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/raster/draw.h"
#include "tests/raster/raster_test_support.h"

namespace {

using platform::Bitmap;
using platform::Colour;
using platform::Rect;
using platform::Rgb;
using platform::Size;
using raster_test::Crop;
namespace raster = platform::raster;

constexpr Colour kBackground = Rgb(10, 20, 30);
const raster::Font kSmall{"Times New Roman", 10};
const raster::Font kLarge{"Times New Roman", 20};

// The bounding box of every pixel that differs from the background.
Rect InkBox(const Bitmap& bitmap) {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Pixel(x, y) == kBackground) continue;
      x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x + 1), y1 = std::max(y1, y + 1);
    }
  }
  return x0 > x1 ? Rect{} : Rect{x0, y0, x1 - x0, y1 - y0};
}

Bitmap Drawn(std::string_view text, const raster::Font& font, Colour colour = Rgb(255, 255, 255)) {
  Bitmap canvas(300, 60, kBackground);
  raster::Text(canvas, 20, 10, text, font, colour);
  return canvas;
}

TEST(Text, LandsInItsCellWithTheCellsTopLeftAtThePointGiven) {
  struct Case {
    std::string_view text;
    raster::Font font;
  };
  const Case cases[] = {
      {"KIM [ 12A3456 ]", kLarge}, {"-0.123456", kSmall}, {"1.000000", kSmall}, {"W", kLarge},
  };
  const int x = 30, y = 12;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.text << " at " << c.font.pointSize << " pt");
    Bitmap canvas(400, 80, kBackground);
    raster::Text(canvas, x, y, c.text, c.font, Rgb(0, 204, 255));
    const Size cell = raster::TextExtent(c.text, c.font);
    const Rect ink = InkBox(canvas);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.x, x);
    EXPECT_LE(ink.x, x + 2);
    EXPECT_GE(ink.y, y) << "nothing above the cell";
    EXPECT_LT(ink.y, y + cell.height / 2) << "the cell starts at y, not its baseline";
    EXPECT_LE(ink.Right(), x + cell.width + 1) << "a glyph may overhang its advance by a pixel";
    EXPECT_LE(ink.Bottom(), y + cell.height);
    for (int row = 0; row < canvas.Height(); ++row) {
      for (int col = 0; col < canvas.Width(); ++col) ASSERT_EQ(canvas.Row(row)[col] >> 24, 0u);
    }
  }
}

TEST(Text, InkIsTheAskedColourBlendedOverAnUntouchedBackground) {
  const Colour colour = Rgb(255, 51, 0);
  const Bitmap canvas = Drawn("Zelvik 057 [HI]", kLarge, colour);
  int solid = 0, blended = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      Colour p = canvas.Pixel(x, y);
      if (p == kBackground) continue;
      // Coverage from the red channel; green and blue must follow the same blend.
      double a = (platform::RedOf(p) - 10) / 245.0;
      EXPECT_NEAR(platform::GreenOf(p), 20 + a * (51 - 20), 2.0) << x << "," << y;
      EXPECT_NEAR(platform::BlueOf(p), 30 + a * (0 - 30), 2.0) << x << "," << y;
      (p == colour ? solid : blended)++;
    }
  }
  EXPECT_GT(solid, 20) << "stems are drawn in the colour itself";
  EXPECT_GT(blended, 0) << "edges are antialiased";
}

TEST(Text, PointSizesAreScreenPointsAt96PixelsPerInch) {
  // A capital H is about two thirds of the em: 13.3 px at 10 pt, 26.7 px at 20 pt.
  EXPECT_GE(InkBox(Drawn("H", kSmall)).height, 8);
  EXPECT_LE(InkBox(Drawn("H", kSmall)).height, 10);
  EXPECT_GE(InkBox(Drawn("H", kLarge)).height, 16);
  EXPECT_LE(InkBox(Drawn("H", kLarge)).height, 19);
  Size small = raster::TextExtent("1.000000", kSmall), large = raster::TextExtent("1.000000", kLarge);
  EXPECT_NEAR(large.height, 2 * small.height, 2);
  EXPECT_NEAR(large.width, 2 * small.width, large.width / 10) << "advances are whole pixels at each size";
}

TEST(Text, UsesTheFamilyAsked) {
  // Times New Roman is answered by its metric twin, Liberation Serif.
  EXPECT_EQ(Drawn("Quick 123", kLarge), Drawn("Quick 123", {"Liberation Serif", 20}));
  EXPECT_NE(Drawn("Quick 123", kLarge), Drawn("Quick 123", {"Liberation Mono", 20}));
  EXPECT_NE(raster::TextExtent("iiii", kLarge), raster::TextExtent("iiii", {"Liberation Mono", 20}));
}

TEST(Text, TakesUtf8OnOneLine) {
  using namespace std::string_view_literals;
  EXPECT_EQ(Drawn("AB\0CD"sv, kLarge), Drawn("AB", kLarge)) << "the text ends at a NUL";
  EXPECT_EQ(raster::TextExtent("A\nB", kLarge).height, raster::TextExtent("AB", kLarge).height);
  EXPECT_NE(Drawn("\xC3\x84 \xE2\x82\xAC", kLarge), Drawn("", kLarge)) << "non-ASCII characters draw";
  EXPECT_NE(Drawn("A\xFF\xFE", kLarge), Drawn("A", kLarge)) << "bytes that are not UTF-8 still show";

  EXPECT_EQ(Drawn("", kLarge), Bitmap(300, 60, kBackground));
  EXPECT_EQ(raster::TextExtent("", kLarge).width, 0);
}

TEST(Text, OutOfRangePointSizesAreHeldToUsableOnes) {
  for (int points : {0, -5, INT_MAX}) {
    SCOPED_TRACE(points);
    Size cell = raster::TextExtent("A", {"Times New Roman", points});
    EXPECT_GT(cell.height, 0);
    Bitmap canvas(40, 20, kBackground);
    raster::Text(canvas, 0, 0, "A", {"Times New Roman", points}, Rgb(255, 255, 255));
  }
}

// Text drawn onto a small bitmap gives exactly the visible part of the same text
// on a bitmap large enough to hold it whole.
TEST(Text, ClipsAtEveryEdge) {
  const int margin = 80;
  const platform::Point places[] = {{-12, 2}, {3, -9}, {30, 4}, {2, 8}, {-200, 0}, {0, 40}};
  for (auto [x, y] : places) {
    SCOPED_TRACE(::testing::Message() << x << "," << y);
    Bitmap small(48, 20, kBackground);
    raster::Text(small, x, y, "Wg 2.0G", kLarge, Rgb(255, 255, 255));
    Bitmap large(48 + 2 * margin, 20 + 2 * margin, kBackground);
    raster::Text(large, x + margin, y + margin, "Wg 2.0G", kLarge, Rgb(255, 255, 255));
    EXPECT_EQ(small, Crop(large, {margin, margin, 48, 20}));
  }

  Bitmap edge(48, 20, kBackground);
  raster::Text(edge, INT_MAX, INT_MAX, "Wg", kLarge, 0);
  raster::Text(edge, INT_MIN, INT_MIN, "Wg", kLarge, 0);
  EXPECT_EQ(edge, Bitmap(48, 20, kBackground));
  Bitmap empty;
  raster::Text(empty, 0, 0, "Wg", kLarge, 0);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
