#include "res/generator/image.h"

#include <algorithm>
#include <cmath>

namespace art {

std::uint32_t Word(Rgb c) {
  auto channel = [](double v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
  };
  return (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

namespace {

// Calls f(x, y, alpha, r, g, b) for every pixel, colour un-premultiplied (0..255).
template <typename F>
void ForEachPixel(cairo_surface_t* surface, int width, int height, F f) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[x];
      const int a = static_cast<int>(p >> 24);
      auto un = [a](std::uint32_t v) { return a == 0 ? 0.0 : std::min(255.0, v * 255.0 / a); };
      f(x, y, a, un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF));
    }
  }
}

std::uint32_t Over(int a, double r, double g, double b, Rgb under) {
  const double t = a / 255.0;
  return Word({(r / 255.0) * t + under.r * (1 - t), (g / 255.0) * t + under.g * (1 - t),
               (b / 255.0) * t + under.b * (1 - t)});
}

}  // namespace

Image Canvas::Opaque(Rgb under) const {
  Image image{width_, height_, std::vector<std::uint32_t>(static_cast<std::size_t>(width_) * height_)};
  ForEachPixel(surface_, width_, height_, [&](int x, int y, int a, double r, double g, double b) {
    image.pixels[static_cast<std::size_t>(y) * width_ + x] = Over(a, r, g, b, under);
  });
  return image;
}

Image Canvas::Keyed(std::uint32_t key, Rgb under) const {
  Image image{width_, height_, std::vector<std::uint32_t>(static_cast<std::size_t>(width_) * height_)};
  ForEachPixel(surface_, width_, height_, [&](int x, int y, int a, double r, double g, double b) {
    std::uint32_t word = key;
    if (a >= 128) {
      word = Over(a, r, g, b, under);
      if (word == key) word ^= 0x000001;  // one step off the key
    }
    image.pixels[static_cast<std::size_t>(y) * width_ + x] = word;
  });
  return image;
}

Image Crop(const Image& image, int x, int y, int w, int h) {
  Image out{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h)};
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) out.pixels[static_cast<std::size_t>(row) * w + col] = image.At(x + col, y + row);
  return out;
}

}  // namespace art
