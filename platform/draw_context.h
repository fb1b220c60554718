#pragma once

#include <string_view>

#include "platform/raster/bitmap.h"
#include "platform/raster/draw.h"

namespace platform {

class Window;

// Where drawing goes: a bitmap of its own (a memory context) or a window's backing
// bitmap. Drawing on a window shows on the screen once the context is released.
// Coordinates are those of the target; every operation clips to it.
class DrawContext {
 public:
  explicit DrawContext(Bitmap& target);
  explicit DrawContext(Window& window);
  DrawContext(DrawContext&& other) noexcept;
  DrawContext(const DrawContext&) = delete;
  DrawContext& operator=(const DrawContext&) = delete;
  DrawContext& operator=(DrawContext&&) = delete;
  ~DrawContext();

  Bitmap& Target() { return *target_; }
  Size GetSize() const { return target_->GetSize(); }

  void Copy(int x, int y, int w, int h, const Bitmap& src, int sx = 0, int sy = 0);
  void StretchCopy(Rect to, const Bitmap& src, Rect from);
  void AndMask(int x, int y, int w, int h, const MonoMask& mask, int sx = 0, int sy = 0);
  void OrCopy(int x, int y, int w, int h, const Bitmap& src, int sx = 0, int sy = 0);
  void TransparentCopy(Rect to, const Bitmap& src, Rect from, Colour key);
  void FillRect(Rect r, Colour c);
  void SetPixel(int x, int y, Colour c);
  void Line(int x0, int y0, int x1, int y1, Colour c);
  void Text(int x, int y, std::string_view utf8, const raster::Font& font, Colour c);

  // Marks a region as changed after drawing on Target() directly.
  void Touched(Rect r);

 private:
  Bitmap* target_;
  Window* window_ = nullptr;
  Rect dirty_{};
};

}  // namespace platform
