#include "controls/my_bitmap_button.h"

#include "platform/resources.h"

void CMyBitmapButton::LoadButtonBitmaps(int normalId, int hoverId, int pressedId) {
  hover_ = Hover::Outside;
  images_[0] = platform::LoadBitmapResource(normalId);
  images_[1] = platform::LoadBitmapResource(hoverId);
  images_[2] = platform::LoadBitmapResource(pressedId);
  Invalidate(false);
}

void CMyBitmapButton::DrawItem(platform::DrawContext& dc, const ItemState& state) {
  const platform::Bitmap& image = state.selected ? images_[2] : hover_ == Hover::Inside ? images_[1] : images_[0];
  // What lies under the button shows through its transparent pixels.
  if (Window* parent = Parent()) {
    platform::Rect at = Bounds();
    dc.Copy(0, 0, at.width, at.height, parent->Surface(), at.x, at.y);
  }
  if (image.Empty()) return;
  // Every look is drawn at the normal image's size.
  const platform::Bitmap& normal = images_[0].Empty() ? image : images_[0];
  platform::Rect area{0, 0, normal.Width(), normal.Height()};
  dc.TransparentCopy(area, image, {0, 0, area.width, area.height}, kTransparent);
}

void CMyBitmapButton::OnMouseMove(platform::Point p) {
  if (hover_ == Hover::Outside) Invalidate(false);
  hover_ = Hover::Inside;
  TrackMouseHover(kHoverMs);
  Button::OnMouseMove(p);
}

void CMyBitmapButton::OnMouseHover(platform::Point) { TrackMouseHover(kHoverMs); }

void CMyBitmapButton::OnMouseLeave() {
  if (hover_ == Hover::Inside) Invalidate(false);
  hover_ = Hover::Outside;
}
