#pragma once

#include "platform/button.h"
#include "platform/raster/bitmap.h"

// The push button of every window: one of three bitmaps (normal, hovered,
// pressed) with magenta as the transparent colour, where the parent's surface
// shows through. Key presses never reach it.
class CMyBitmapButton : public platform::Button {
 public:
  enum class Hover { None, Outside, Inside };

  void LoadButtonBitmaps(int normalId, int hoverId, int pressedId);
  Hover HoverState() const { return hover_; }

  static constexpr platform::Colour kTransparent = platform::Rgb(255, 0, 255);

 protected:
  void DrawItem(platform::DrawContext& dc, const ItemState& state) override;
  void OnMouseMove(platform::Point p) override;
  void OnMouseHover(platform::Point p) override;
  void OnMouseLeave() override;
  bool PreTranslateKey(platform::Key) override { return true; }

 private:
  static constexpr int kHoverMs = 250;

  platform::Bitmap images_[3];  // normal, hover, pressed
  Hover hover_ = Hover::None;
};
