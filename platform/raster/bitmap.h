#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace platform {

// A colour as 0x00RRGGBB: the same bits as a BGRx pixel read as a little-endian word.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) |
         static_cast<Colour>(b & 0xFF);
}
constexpr int RedOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c & 0xFF); }

// A 32-bit bitmap, rows top-down, each pixel B, G, R, x in memory: the layout of
// Cairo's CAIRO_FORMAT_RGB24, so text can be drawn straight into the pixels.
// The fourth byte is ignored and always written as 0.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Colour fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  int Stride() const { return width_ * 4; }  // bytes per row

  // Reading outside the bitmap gives 0; writing outside it does nothing.
  Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour c);
  void Fill(Colour c);
  void FillRect(Rect r, Colour c);  // clipped

  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(pixels_.data()); }
  const std::uint8_t* Bytes() const { return reinterpret_cast<const std::uint8_t*>(pixels_.data()); }

  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// A monochrome bitmap: one flag per pixel.
class MonoMask {
 public:
  MonoMask() = default;
  MonoMask(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  bool IsSet(int x, int y) const;  // false outside
  void Set(int x, int y, bool on);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;
};

// The mask in which the pixels of `key` are set and all others clear.
MonoMask MaskForColour(const Bitmap& bitmap, Colour key);

// Turns every pixel of `key` black (the partner of a mask made with MaskForColour).
void BlackenColour(Bitmap& bitmap, Colour key);

}  // namespace platform
