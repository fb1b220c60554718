#include "platform/raster/bitmap.h"

#include <algorithm>

namespace platform {

namespace {

// Only the colour bytes count; the fourth byte of a stored pixel is always 0.
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

std::size_t Area(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(Area(width_, height_), fill & kColourBits);
}

Colour Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Row(y)[x];
}

void Bitmap::SetPixel(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = c & kColourBits;
}

void Bitmap::Fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c & kColourBits); }

void Bitmap::FillRect(Rect r, Colour c) {
  // Computed in 64 bits: a rectangle near the int limits must not overflow.
  long long x0 = std::max<long long>(r.x, 0);
  long long y0 = std::max<long long>(r.y, 0);
  long long x1 = std::min<long long>(static_cast<long long>(r.x) + r.width, width_);
  long long y1 = std::min<long long>(static_cast<long long>(r.y) + r.height, height_);
  if (x0 >= x1 || y0 >= y1) return;
  for (long long y = y0; y < y1; ++y) {
    std::uint32_t* row = Row(static_cast<int>(y));
    std::fill(row + x0, row + x1, c & kColourBits);
  }
}

MonoMask::MonoMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  bits_.assign(Area(width_, height_), 0);
}

bool MonoMask::IsSet(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return bits_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

void MonoMask::Set(int x, int y, bool on) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  bits_[static_cast<std::size_t>(y) * width_ + x] = on ? 1 : 0;
}

MonoMask MaskForColour(const Bitmap& bitmap, Colour key) {
  MonoMask mask(bitmap.Width(), bitmap.Height());
  key &= kColourBits;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      if ((row[x] & kColourBits) == key) mask.Set(x, y, true);
    }
  }
  return mask;
}

void BlackenColour(Bitmap& bitmap, Colour key) {
  key &= kColourBits;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      if ((row[x] & kColourBits) == key) row[x] = 0;
    }
  }
}

}  // namespace platform
