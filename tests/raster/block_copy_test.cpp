#include <climits>
#include <functional>

#include <gtest/gtest.h>

#include "platform/raster/draw.h"
#include "tests/raster/raster_test_support.h"

namespace {

using platform::Bitmap;
using platform::Colour;
using platform::MonoMask;
using platform::Rgb;
using raster_test::Pattern;
namespace raster = platform::raster;

struct Placement {
  const char* name;
  int dx, dy, w, h, sx, sy;
};

// Destination 6 x 5, source 4 x 3: blocks hanging off each side of either.
const Placement kPlacements[] = {
    {"inside both", 1, 1, 3, 2, 1, 0},
    {"whole source", 2, 2, 4, 3, 0, 0},
    {"off the destination's left", -2, 1, 4, 2, 0, 0},
    {"off the destination's top", 1, -2, 3, 3, 0, 0},
    {"off the destination's right", 4, 0, 4, 3, 0, 0},
    {"off the destination's bottom", 0, 3, 4, 3, 0, 0},
    {"off the source's left", 0, 0, 4, 3, -2, 0},
    {"off the source's top", 0, 0, 4, 3, 0, -2},
    {"off the source's right", 0, 0, 4, 3, 2, 1},
    {"off the source's bottom", 0, 0, 4, 3, 1, 2},
    {"off both at once", -1, -1, 8, 8, -1, -1},
    {"wholly outside the destination", 6, 0, 4, 3, 0, 0},
    {"wholly outside the source", 0, 0, 4, 3, 4, 0},
    {"zero width", 1, 1, 0, 2, 0, 0},
    {"negative size", 3, 3, -2, -2, 0, 0},
    {"near the int limits", INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX, 0, 0},
    {"from the lowest int", INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
    {"huge source offset", 0, 0, 4, 3, INT_MAX, INT_MAX},
};

// The result pixel by pixel, the slow obvious way: `combine(old, source pixel)`
// where the block covers a pixel of both bitmaps, the old pixel elsewhere.
Bitmap Expected(const Bitmap& dst, const Placement& p, int srcWidth, int srcHeight,
                const std::function<Colour(Colour, int, int)>& combine) {
  Bitmap out = dst;
  for (int y = 0; y < dst.Height(); ++y) {
    for (int x = 0; x < dst.Width(); ++x) {
      long long bx = static_cast<long long>(x) - p.dx, by = static_cast<long long>(y) - p.dy;
      if (bx < 0 || by < 0 || bx >= p.w || by >= p.h) continue;
      long long u = p.sx + bx, v = p.sy + by;
      if (u < 0 || v < 0 || u >= srcWidth || v >= srcHeight) continue;
      out.SetPixel(x, y, combine(dst.Pixel(x, y), static_cast<int>(u), static_cast<int>(v)));
    }
  }
  return out;
}

TEST(BlockCopies, ClipToBothBitmapsAtEveryEdge) {
  const Bitmap source = Pattern(4, 3);
  MonoMask mask(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) mask.Set(x, y, (x + y) % 2 == 0);
  }
  const Bitmap background(6, 5, Rgb(0x30, 0x0F, 0xF0));

  for (const Placement& p : kPlacements) {
    SCOPED_TRACE(p.name);
    Bitmap copied = background;
    raster::Copy(copied, p.dx, p.dy, p.w, p.h, source, p.sx, p.sy);
    EXPECT_EQ(copied, Expected(background, p, 4, 3, [&](Colour, int u, int v) { return source.Pixel(u, v); }));

    Bitmap ored = background;
    raster::OrCopy(ored, p.dx, p.dy, p.w, p.h, source, p.sx, p.sy);
    EXPECT_EQ(ored, Expected(background, p, 4, 3, [&](Colour old, int u, int v) { return old | source.Pixel(u, v); }));

    Bitmap anded = background;
    raster::AndMask(anded, p.dx, p.dy, p.w, p.h, mask, p.sx, p.sy);
    EXPECT_EQ(anded, Expected(background, p, 4, 3, [&](Colour old, int u, int v) { return mask.IsSet(u, v) ? old : 0u; }));
  }
}

TEST(BlockCopies, EmptyBitmapsAreHarmless) {
  Bitmap empty;
  Bitmap some = Pattern(3, 3);
  const Bitmap before = some;
  raster::Copy(empty, 0, 0, 3, 3, some, 0, 0);
  raster::Copy(some, 0, 0, 3, 3, empty, 0, 0);
  raster::OrCopy(some, 0, 0, 3, 3, empty, 0, 0);
  raster::AndMask(some, 0, 0, 3, 3, MonoMask(), 0, 0);  // a missing mask covers nothing
  EXPECT_EQ(some, before);
}

TEST(BlockCopies, OverlappingCopyWithinOneBitmapReadsTheSourceFirst) {
  const Bitmap original = Pattern(5, 4);
  Bitmap shifted = original;
  raster::Copy(shifted, 1, 1, 4, 3, shifted, 0, 0);
  Bitmap ored = original;
  raster::OrCopy(ored, 0, 0, 4, 4, ored, 1, 0);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(shifted.Pixel(x, y), x >= 1 && y >= 1 ? original.Pixel(x - 1, y - 1) : original.Pixel(x, y));
      EXPECT_EQ(ored.Pixel(x, y), x < 4 ? original.Pixel(x, y) | original.Pixel(x + 1, y) : original.Pixel(x, y));
    }
  }
}

// A thumb drawn as the slider draws it: its top-left colour is transparent.
TEST(MaskedThumb, TransparentColourShowsTheTrackAndTheRestShowsTheThumb) {
  const Colour key = Rgb(255, 0, 255);
  const Colour face = Rgb(200, 200, 210);
  const Colour black = Rgb(0, 0, 0);
  const char* shape[] = {
      "k##k",
      "#.b#",
      "k##k",
  };
  Bitmap thumb(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      char c = shape[y][x];
      thumb.SetPixel(x, y, c == 'k' ? key : c == 'b' ? black : c == '#' ? face : Rgb(40, 90, 160));
    }
  }
  const Bitmap original = thumb;
  MonoMask mask = platform::MaskForColour(thumb, thumb.Pixel(0, 0));
  platform::BlackenColour(thumb, thumb.Pixel(0, 0));

  // Also half off the track's left edge: mask and thumb must be clipped alike.
  for (int at : {2, -2}) {
    SCOPED_TRACE(at);
    const Bitmap track = Pattern(8, 4);
    Bitmap drawn = track;
    raster::AndMask(drawn, at, 1, 4, 3, mask, 0, 0);
    raster::OrCopy(drawn, at, 1, 4, 3, thumb, 0, 0);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 8; ++x) {
        int tx = x - at, ty = y - 1;
        bool onThumb = tx >= 0 && tx < 4 && ty >= 0 && ty < 3;
        Colour want = onThumb && original.Pixel(tx, ty) != key ? original.Pixel(tx, ty) : track.Pixel(x, y);
        EXPECT_EQ(drawn.Pixel(x, y), want) << x << "," << y;
      }
    }
  }
}

}  // namespace
