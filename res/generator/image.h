#pragma once

#include <cstdint>
#include <vector>

#include <cairo.h>

namespace art {

// A colour with components from 0 to 1.
struct Rgb {
  double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(std::uint32_t v) {
  return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

// Mixes a and b: t = 0 gives a, t = 1 gives b.
constexpr Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The pixel word of a colour: 0x00RRGGBB, the program's BGRx pixel read as a word.
std::uint32_t Word(Rgb c);

constexpr std::uint32_t kMagenta = 0xFF00FF;  // transparent colour of button faces
constexpr std::uint32_t kWhite = 0xFFFFFF;    // transparent colour of the settings thumbs
constexpr std::uint32_t kSilver = 0xC0C0C0;   // mask colour of the list icons

// A finished bitmap: rows top-down, each pixel 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A drawing surface with an alpha channel, cleared to transparent.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* Surface() const { return surface_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Every pixel composited over `under`: for pictures that cover their whole area.
  Image Opaque(Rgb under = {}) const;

  // Pixels less than half covered become `key`; the others are composited over
  // `under`, and any that would equal `key` by chance are moved off it by one step.
  Image Keyed(std::uint32_t key, Rgb under) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// The w x h block of `image` at (x, y).
Image Crop(const Image& image, int x, int y, int w, int h);

}  // namespace art
