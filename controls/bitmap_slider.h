#pragma once

#include "platform/raster/bitmap.h"
#include "platform/window.h"

// A horizontal slider drawn from bitmaps: the filled channel left of the thumb,
// the empty channel right of it, the thumb on top with its transparent colour
// (its top-left pixel) showing the channel. Dragging posts WM_SLIDER_DRAGGING to
// the parent each time the thumb lands on a new pixel; releasing the button or
// a handled key posts WM_SLIDER_RELEASED.
class CBitmapSlider : public platform::Window {
 public:
  static constexpr int kThumbId = 202;
  static constexpr int kPressedThumbId = 197;

  bool LoadChannelBitmaps(int channelId, int filledChannelId);
  bool LoadThumbBitmaps();

  void SetRange(int minimum, int maximum);  // no repaint, no re-clamping
  void SetPos(int position);                // clamped, repainted, nothing posted
  int GetPos() const { return position_; }
  void SetPageSize(int pageSize) { pageSize_ = pageSize; }
  int GetRangeMin() const { return minimum_; }
  int GetRangeMax() const { return maximum_; }
  int PageSize() const { return pageSize_; }

  // The x of the thumb centre for a position, and the position for an x.
  int PositionToPixel(int position) const;
  int PixelToPosition(int x) const;

  bool IsDragging() const { return dragging_; }
  bool IsFocused() const { return focused_; }

 protected:
  bool OnEraseBackground(platform::DrawContext&) override { return true; }
  void OnPaint(platform::DrawContext& dc) override;
  void OnLButtonDown(platform::Point p) override;
  void OnMouseMove(platform::Point p) override;
  void OnLButtonUp(platform::Point p) override;
  void OnKeyDown(platform::Key key) override;
  void OnSetFocus() override;
  void OnKillFocus() override;

 private:
  int Clamp(int position) const;
  void Post(platform::MessageId message);

  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  int pageSize_ = 20;
  int width_ = 0;
  int height_ = 0;
  int thumbWidth_ = 0;
  int thumbHeight_ = 0;
  int dragOffset_ = 0;
  bool dragging_ = false;
  bool focused_ = false;
  platform::Bitmap channel_;
  platform::Bitmap filledChannel_;
  platform::Bitmap thumb_;
  platform::MonoMask thumbMask_;
  platform::Bitmap pressedThumb_;
  platform::MonoMask pressedThumbMask_;
};
