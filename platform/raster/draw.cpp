#include "platform/raster/draw.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace platform::raster {

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

// A block of equal size in the destination and the source, inside both.
struct Block {
  int dx, dy, sx, sy, w, h;
};

// Cuts the w x h block at (dx, dy) <- (sx, sy) down to the part that lies inside
// both bitmaps. Computed in 64 bits so that no position or size can overflow.
std::optional<Block> ClipBlock(Size dst, int dx, int dy, int w, int h, Size src, int sx, int sy) {
  long long x = dx, y = dy, u = sx, v = sy, cw = w, ch = h;
  long long skipX = std::max({0LL, -x, -u});
  long long skipY = std::max({0LL, -y, -v});
  x += skipX, u += skipX, cw -= skipX;
  y += skipY, v += skipY, ch -= skipY;
  cw = std::min({cw, dst.width - x, src.width - u});
  ch = std::min({ch, dst.height - y, src.height - v});
  if (cw <= 0 || ch <= 0) return std::nullopt;
  return Block{static_cast<int>(x), static_cast<int>(y), static_cast<int>(u),
               static_cast<int>(v), static_cast<int>(cw), static_cast<int>(ch)};
}

// For each visible destination column (or row) of `to`, the source column whose
// span holds the destination pixel's centre, or -1 when that lies outside the
// source bitmap. `first` receives the first visible destination coordinate.
std::vector<int> NearestMap(int toPos, int toLen, int fromPos, int fromLen, int dstLen,
                            int srcLen, int& first) {
  long long begin = std::max<long long>(toPos, 0);
  long long end = std::min<long long>(static_cast<long long>(toPos) + toLen, dstLen);
  first = static_cast<int>(begin);
  std::vector<int> map;
  if (begin >= end) return map;
  map.reserve(static_cast<std::size_t>(end - begin));
  for (long long d = begin; d < end; ++d) {
    long long i = d - toPos;
    long long s = fromPos + (2 * i + 1) * fromLen / (2LL * toLen);
    map.push_back(s >= 0 && s < srcLen ? static_cast<int>(s) : -1);
  }
  return map;
}

// The common walk of the stretched copies; `put` decides what lands.
template <typename Put>
void StretchWalk(Bitmap& dst, Rect to, const Bitmap& src, Rect from, Put put) {
  if (to.Empty() || from.Empty() || dst.Empty() || src.Empty()) return;
  int firstX = 0, firstY = 0;
  std::vector<int> cols = NearestMap(to.x, to.width, from.x, from.width, dst.Width(), src.Width(), firstX);
  std::vector<int> rows = NearestMap(to.y, to.height, from.y, from.height, dst.Height(), src.Height(), firstY);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r] < 0) continue;
    const std::uint32_t* in = src.Row(rows[r]);
    std::uint32_t* out = dst.Row(firstY + static_cast<int>(r)) + firstX;
    for (std::size_t c = 0; c < cols.size(); ++c) {
      if (cols[c] >= 0) put(out[c], in[cols[c]]);
    }
  }
}

// When a bitmap is drawn onto itself, the source is read from a snapshot so that
// overlapping blocks behave as if the whole source was read first.
template <typename Op>
void WithDistinctSource(const Bitmap& dst, const Bitmap& src, Op op) {
  if (&dst == &src) {
    Bitmap snapshot = src;
    op(snapshot);
  } else {
    op(src);
  }
}

}  // namespace

void Copy(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
  WithDistinctSource(dst, src, [&](const Bitmap& from) {
    auto b = ClipBlock(dst.GetSize(), dx, dy, w, h, from.GetSize(), sx, sy);
    if (!b) return;
    for (int r = 0; r < b->h; ++r) {
      std::memcpy(dst.Row(b->dy + r) + b->dx, from.Row(b->sy + r) + b->sx,
                  static_cast<std::size_t>(b->w) * sizeof(std::uint32_t));
    }
  });
}

void StretchCopy(Bitmap& dst, Rect to, const Bitmap& src, Rect from) {
  WithDistinctSource(dst, src, [&](const Bitmap& source) {
    StretchWalk(dst, to, source, from, [](std::uint32_t& out, std::uint32_t in) { out = in; });
  });
}

void AndMask(Bitmap& dst, int dx, int dy, int w, int h, const MonoMask& mask, int sx, int sy) {
  auto b = ClipBlock(dst.GetSize(), dx, dy, w, h, {mask.Width(), mask.Height()}, sx, sy);
  if (!b) return;
  for (int r = 0; r < b->h; ++r) {
    std::uint32_t* out = dst.Row(b->dy + r) + b->dx;
    for (int c = 0; c < b->w; ++c) {
      if (!mask.IsSet(b->sx + c, b->sy + r)) out[c] = 0;
    }
  }
}

void OrCopy(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
  WithDistinctSource(dst, src, [&](const Bitmap& from) {
    auto b = ClipBlock(dst.GetSize(), dx, dy, w, h, from.GetSize(), sx, sy);
    if (!b) return;
    for (int r = 0; r < b->h; ++r) {
      std::uint32_t* out = dst.Row(b->dy + r) + b->dx;
      const std::uint32_t* in = from.Row(b->sy + r) + b->sx;
      for (int c = 0; c < b->w; ++c) out[c] = (out[c] | in[c]) & kColourBits;
    }
  });
}

void TransparentCopy(Bitmap& dst, Rect to, const Bitmap& src, Rect from, Colour key) {
  key &= kColourBits;
  WithDistinctSource(dst, src, [&](const Bitmap& source) {
    StretchWalk(dst, to, source, from, [key](std::uint32_t& out, std::uint32_t in) {
      if ((in & kColourBits) != key) out = in & kColourBits;
    });
  });
}

void Line(Bitmap& dst, int x0, int y0, int x1, int y1, Colour colour) {
  long long dx = static_cast<long long>(x1) - x0;
  long long dy = static_cast<long long>(y1) - y0;
  bool xMajor = std::llabs(dx) >= std::llabs(dy);
  // Walk the major axis one pixel per step; the minor axis follows the ideal line
  // rounded to the nearest pixel (halves away from the start).
  long long steps = xMajor ? std::llabs(dx) : std::llabs(dy);
  long long minorLen = xMajor ? std::llabs(dy) : std::llabs(dx);
  int majorDir = (xMajor ? dx : dy) < 0 ? -1 : 1;
  int minorDir = (xMajor ? dy : dx) < 0 ? -1 : 1;
  long long major0 = xMajor ? x0 : y0;
  long long minor0 = xMajor ? y0 : x0;
  long long majorExtent = xMajor ? dst.Width() : dst.Height();

  // Only the steps whose major coordinate lies inside the bitmap can draw, so a
  // line far longer than the bitmap costs no more than one across it.
  long long first = 0, last = steps - 1;  // the end point itself is left out
  if (majorDir > 0) {
    first = std::max(first, -major0);
    last = std::min(last, majorExtent - 1 - major0);
  } else {
    first = std::max(first, major0 - (majorExtent - 1));
    last = std::min(last, major0);
  }
  // 128 bits: with coordinates anywhere in the int range the products need 65.
  __extension__ using Wide = __int128;
  for (long long k = first; k <= last; ++k) {
    long long offset = static_cast<long long>((2 * static_cast<Wide>(k) * minorLen + steps) / (2 * static_cast<Wide>(steps)));
    long long major = major0 + majorDir * k;
    long long minor = minor0 + minorDir * offset;
    long long x = xMajor ? major : minor, y = xMajor ? minor : major;
    if (x >= 0 && y >= 0 && x < dst.Width() && y < dst.Height()) {
      dst.SetPixel(static_cast<int>(x), static_cast<int>(y), colour);
    }
  }
}

}  // namespace platform::raster
