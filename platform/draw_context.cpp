#include "platform/draw_context.h"

#include <algorithm>

#include "platform/window.h"

namespace platform {

namespace {

Rect Union(Rect a, Rect b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  int x1 = std::max(a.Right(), b.Right()), y1 = std::max(a.Bottom(), b.Bottom());
  return {x0, y0, x1 - x0, y1 - y0};
}

Rect LineBox(int x0, int y0, int x1, int y1) {
  int l = std::min(x0, x1), t = std::min(y0, y1);
  return {l, t, std::abs(x1 - x0) + 1, std::abs(y1 - y0) + 1};
}

}  // namespace

DrawContext::DrawContext(Bitmap& target) : target_(&target) {}

DrawContext::DrawContext(Window& window) : target_(&window.surface_), window_(&window) {}

DrawContext::DrawContext(DrawContext&& other) noexcept
    : target_(other.target_), window_(other.window_), dirty_(other.dirty_) {
  other.window_ = nullptr;
  other.dirty_ = {};
}

DrawContext::~DrawContext() {
  if (window_ != nullptr) window_->Presented(dirty_);
}

void DrawContext::Touched(Rect r) { dirty_ = Union(dirty_, r); }

void DrawContext::Copy(int x, int y, int w, int h, const Bitmap& src, int sx, int sy) {
  raster::Copy(*target_, x, y, w, h, src, sx, sy);
  Touched({x, y, w, h});
}

void DrawContext::StretchCopy(Rect to, const Bitmap& src, Rect from) {
  raster::StretchCopy(*target_, to, src, from);
  Touched(to);
}

void DrawContext::AndMask(int x, int y, int w, int h, const MonoMask& mask, int sx, int sy) {
  raster::AndMask(*target_, x, y, w, h, mask, sx, sy);
  Touched({x, y, w, h});
}

void DrawContext::OrCopy(int x, int y, int w, int h, const Bitmap& src, int sx, int sy) {
  raster::OrCopy(*target_, x, y, w, h, src, sx, sy);
  Touched({x, y, w, h});
}

void DrawContext::TransparentCopy(Rect to, const Bitmap& src, Rect from, Colour key) {
  raster::TransparentCopy(*target_, to, src, from, key);
  Touched(to);
}

void DrawContext::FillRect(Rect r, Colour c) {
  target_->FillRect(r, c);
  Touched(r);
}

void DrawContext::SetPixel(int x, int y, Colour c) {
  target_->SetPixel(x, y, c);
  Touched({x, y, 1, 1});
}

void DrawContext::Line(int x0, int y0, int x1, int y1, Colour c) {
  raster::Line(*target_, x0, y0, x1, y1, c);
  Touched(LineBox(x0, y0, x1, y1));
}

void DrawContext::Text(int x, int y, std::string_view utf8, const raster::Font& font, Colour c) {
  raster::Text(*target_, x, y, utf8, font, c);
  Size extent = raster::TextExtent(utf8, font);
  // Glyphs may overhang their cell a little (italic, serifs): mark a margin too.
  Touched({x - 2, y - 2, extent.width + 4, extent.height + 4});
}

}  // namespace platform
