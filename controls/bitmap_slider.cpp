#include "controls/bitmap_slider.h"

#include <algorithm>
#include <cstdlib>

#include "app/app_messages.h"
#include "controls/temp_mem_dc.h"
#include "platform/resources.h"

namespace {

// A thumb with its mask: pixels of the top-left colour are set in the mask and
// turned black in the thumb, ready for an AND then an OR copy.
bool LoadMaskedThumb(int id, platform::Bitmap& thumb, platform::MonoMask& mask) {
  const platform::Bitmap& source = platform::LoadBitmapResource(id);
  if (source.Empty()) return false;
  thumb = source;
  platform::Colour transparent = thumb.Pixel(0, 0);
  mask = platform::MaskForColour(thumb, transparent);
  platform::BlackenColour(thumb, transparent);
  return true;
}

}  // namespace

bool CBitmapSlider::LoadChannelBitmaps(int channelId, int filledChannelId) {
  const platform::Bitmap& channel = platform::LoadBitmapResource(channelId);
  if (channel.Empty()) return false;
  const platform::Bitmap& filled = platform::LoadBitmapResource(filledChannelId);
  if (filled.Empty()) {
    channel_ = {};
    return false;
  }
  channel_ = channel;
  filledChannel_ = filled;
  width_ = channel_.Width();
  height_ = channel_.Height();
  platform::Rect at = Bounds();
  Move({at.x, at.y, width_, height_});
  return true;
}

bool CBitmapSlider::LoadThumbBitmaps() {
  if (!LoadMaskedThumb(kThumbId, thumb_, thumbMask_)) return false;
  if (!LoadMaskedThumb(kPressedThumbId, pressedThumb_, pressedThumbMask_)) {
    thumb_ = {};
    thumbMask_ = {};
    return false;
  }
  thumbWidth_ = thumb_.Width();
  thumbHeight_ = thumb_.Height();
  return true;
}

void CBitmapSlider::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

int CBitmapSlider::Clamp(int position) const {
  if (position > maximum_) position = maximum_;
  if (position < minimum_) position = minimum_;
  return position;
}

void CBitmapSlider::SetPos(int position) {
  position_ = Clamp(position);
  Invalidate(false);
}

int CBitmapSlider::PositionToPixel(int position) const {
  int travel = width_ - thumbWidth_;
  // An empty range (a clip shorter than a second) or no room to travel: the left end.
  if (maximum_ <= minimum_ || travel <= 0) return thumbWidth_ / 2;
  double offset = static_cast<double>(position - minimum_) / (maximum_ - minimum_) * travel;
  return static_cast<int>(offset) + thumbWidth_ / 2;
}

int CBitmapSlider::PixelToPosition(int x) const {
  int travel = width_ - thumbWidth_;
  if (travel <= 0) return minimum_;
  double position = static_cast<double>(x - thumbWidth_ / 2) / travel * (maximum_ - minimum_) + minimum_;
  return static_cast<int>(position);
}

void CBitmapSlider::Post(platform::MessageId message) {
  if (Window* parent = Parent()) parent->PostMessage(message, static_cast<platform::WParam>(ControlId()), position_);
}

void CBitmapSlider::OnLButtonDown(platform::Point p) {
  SetCapture();
  SetFocus();
  dragging_ = true;
  int d = p.x - PositionToPixel(position_);
  dragOffset_ = std::abs(d) <= thumbWidth_ / 2 ? d : 0;
  OnMouseMove(p);
  Invalidate(false);
}

void CBitmapSlider::OnMouseMove(platform::Point p) {
  if (!dragging_) return;
  int x = std::clamp(p.x - dragOffset_, thumbWidth_ / 2, std::max(thumbWidth_ / 2, width_ - thumbWidth_ / 2));
  if (x == PositionToPixel(position_)) return;
  position_ = Clamp(PixelToPosition(x));
  Invalidate(false);
  Post(WM_SLIDER_DRAGGING);
}

void CBitmapSlider::OnLButtonUp(platform::Point) {
  ReleaseCapture();
  dragging_ = false;
  Invalidate(false);
  Post(WM_SLIDER_RELEASED);
}

void CBitmapSlider::OnKeyDown(platform::Key key) {
  int next = position_;
  switch (key) {
    case platform::Key::Left:
    case platform::Key::Up:
      next = position_ - 1;
      break;
    case platform::Key::Right:
    case platform::Key::Down:
      next = position_ + 1;
      break;
    case platform::Key::PageUp:
      next = position_ - pageSize_;
      break;
    case platform::Key::PageDown:
      next = position_ + pageSize_;
      break;
    case platform::Key::Home:
      next = minimum_;
      break;
    case platform::Key::End:
      next = maximum_;
      break;
    default:
      return;
  }
  SetPos(next);
  Post(WM_SLIDER_RELEASED);
}

void CBitmapSlider::OnSetFocus() {
  focused_ = true;
  Invalidate(false);
}

void CBitmapSlider::OnKillFocus() {
  focused_ = false;
  Invalidate(false);
}

void CBitmapSlider::OnPaint(platform::DrawContext& dc) {
  CTempMemDC buffer(dc, {0, 0, width_, height_}, false);
  platform::DrawContext& out = buffer.DC();
  int px = PositionToPixel(position_);
  out.Copy(0, 0, px, height_, filledChannel_, 0, 0);
  out.Copy(px, 0, width_ - px, height_, channel_, px, 0);
  const platform::Bitmap& thumb = dragging_ ? pressedThumb_ : thumb_;
  const platform::MonoMask& mask = dragging_ ? pressedThumbMask_ : thumbMask_;
  int left = px - thumbWidth_ / 2;
  out.AndMask(left, 0, thumbWidth_, thumbHeight_, mask, 0, 0);
  out.OrCopy(left, 0, thumbWidth_, thumbHeight_, thumb, 0, 0);
}
