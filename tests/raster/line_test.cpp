#include <climits>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "platform/raster/draw.h"
#include "tests/raster/raster_test_support.h"

namespace {

using platform::Bitmap;
using platform::Colour;
using platform::Rgb;
using raster_test::Crop;
namespace raster = platform::raster;

using Pixels = std::set<std::pair<int, int>>;

constexpr Colour kInk = Rgb(255, 51, 0);

Pixels Inked(const Bitmap& bitmap, int offsetX = 0, int offsetY = 0) {
  Pixels inked;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Pixel(x, y) == kInk) inked.insert({x - offsetX, y - offsetY});
    }
  }
  return inked;
}

// Lines drawn around the middle of a 41 x 41 bitmap.
Pixels DrawLine(int x0, int y0, int x1, int y1) {
  Bitmap canvas(41, 41);
  raster::Line(canvas, x0 + 20, y0 + 20, x1 + 20, y1 + 20, kInk);
  return Inked(canvas, 20, 20);
}

TEST(Line, DrawsOnePixelPerStepAlongTheIdealLineAndLeavesOutTheLastPoint) {
  const int ends[][2] = {
      {9, 0},  {-9, 0}, {0, 9},  {0, -9}, {7, 7},  {-7, 7},  {7, -7}, {-7, -7},
      {12, 5}, {5, 12}, {-12, 5}, {-5, 12}, {12, -5}, {5, -12}, {-12, -5}, {-5, -12},
      {1, 0},  {0, -1}, {1, 1},  {19, 1}, {1, 19}, {3, 2},
  };
  for (auto [ex, ey] : ends) {
    SCOPED_TRACE(::testing::Message() << "(0,0) to (" << ex << "," << ey << ")");
    Pixels drawn = DrawLine(0, 0, ex, ey);
    bool xMajor = std::abs(ex) >= std::abs(ey);
    int steps = xMajor ? std::abs(ex) : std::abs(ey);
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(steps));
    EXPECT_TRUE(drawn.count({0, 0}));
    EXPECT_FALSE(drawn.count({ex, ey}));
    std::set<int> majors;
    for (auto [x, y] : drawn) {
      int major = xMajor ? x : y, minor = xMajor ? y : x;
      int majorEnd = xMajor ? ex : ey, minorEnd = xMajor ? ey : ex;
      majors.insert(major);
      // Within half a pixel of the ideal line: |minor - major * minorEnd / majorEnd| <= 1/2.
      EXPECT_LE(std::abs(2 * minor * majorEnd - 2 * major * minorEnd), std::abs(majorEnd)) << x << "," << y;
      int along = major * (majorEnd > 0 ? 1 : -1);
      EXPECT_TRUE(along >= 0 && along < std::abs(majorEnd)) << x << "," << y;
    }
    EXPECT_EQ(majors.size(), drawn.size()) << "one pixel per step of the major axis";
  }
}

TEST(Line, AxisLinesAreExact) {
  EXPECT_EQ(DrawLine(2, 3, 5, 3), (Pixels{{2, 3}, {3, 3}, {4, 3}}));
  EXPECT_EQ(DrawLine(5, 3, 2, 3), (Pixels{{5, 3}, {4, 3}, {3, 3}}));
  EXPECT_EQ(DrawLine(1, -2, 1, 1), (Pixels{{1, -2}, {1, -1}, {1, 0}}));
  EXPECT_EQ(DrawLine(1, 1, 1, -2), (Pixels{{1, 1}, {1, 0}, {1, -1}}));
}

TEST(Line, ZeroLengthDrawsNothing) {
  EXPECT_TRUE(DrawLine(3, 3, 3, 3).empty());
}

TEST(Line, SegmentsJoinedEndToEndDrawEachJointOnce) {
  // A curve like the G-sensor graph's, with rises, falls, steep and flat parts.
  const std::pair<int, int> points[] = {{-18, 0}, {-16, 5}, {-14, -12}, {-12, -12}, {-10, 3}, {-4, 4}, {2, -1}};
  std::map<std::pair<int, int>, int> times;
  for (std::size_t i = 1; i < std::size(points); ++i) {
    for (auto pixel : DrawLine(points[i - 1].first, points[i - 1].second, points[i].first, points[i].second)) {
      ++times[pixel];
    }
  }
  for (std::size_t i = 0; i + 1 < std::size(points); ++i) {
    EXPECT_EQ(times[points[i]], 1) << "joint " << points[i].first << "," << points[i].second;
  }
  EXPECT_EQ(times[points[std::size(points) - 1]], 0) << "the curve's last point";
}

// A line drawn onto a small bitmap gives exactly the visible part of the same
// line on a bitmap large enough to hold it whole.
TEST(Line, ClipsAtEveryEdge) {
  const int lines[][4] = {
      {-5, 3, 8, 6},   {8, 6, -5, 3},   {2, -6, 5, 9},   {5, 9, 2, -6},  {-4, -4, 12, 12},
      {12, -3, -3, 12}, {-9, 2, -1, 7}, {3, 12, 9, 20},  {-2, 4, 14, 4}, {6, -3, 6, 14},
  };
  const int margin = 20;
  for (const auto& l : lines) {
    SCOPED_TRACE(::testing::Message() << l[0] << "," << l[1] << " to " << l[2] << "," << l[3]);
    Bitmap small(10, 8);
    raster::Line(small, l[0], l[1], l[2], l[3], kInk);
    Bitmap large(10 + 2 * margin, 8 + 2 * margin);
    raster::Line(large, l[0] + margin, l[1] + margin, l[2] + margin, l[3] + margin, kInk);
    EXPECT_EQ(small, Crop(large, {margin, margin, 10, 8}));
  }
}

TEST(Line, CoordinatesAtTheIntLimitsDrawOnlyTheVisiblePart) {
  Bitmap bitmap(6, 4);
  raster::Line(bitmap, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk);  // the main diagonal
  EXPECT_EQ(Inked(bitmap), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));

  Bitmap other(6, 4);
  raster::Line(other, INT_MAX, 2, INT_MIN, 2, kInk);
  raster::Line(other, 1, INT_MIN, 1, INT_MIN + 5, kInk);
  raster::Line(other, INT_MIN, INT_MAX, INT_MAX, INT_MIN, kInk);  // passes far from the bitmap
  Pixels row;
  for (int x = 0; x < 6; ++x) row.insert({x, 2});
  EXPECT_EQ(Inked(other), row);
}

}  // namespace
