#include "platform/button.h"

namespace platform {

void Button::SetPushed(bool pushed) {
  if (pushed_ == pushed) return;
  pushed_ = pushed;
  Invalidate(false);
}

void Button::Click() { NotifyParent(); }

void Button::OnPaint(DrawContext& dc) {
  DrawItem(dc, ItemState{pushed_, HasFocus(), !IsEnabled()});
}

void Button::OnLButtonDown(Point) {
  SetCapture();
  SetFocus();
  SetPushed(true);
}

void Button::OnLButtonDblClk(Point p) { OnLButtonDown(p); }

void Button::OnMouseMove(Point p) {
  if (!HasCapture()) return;
  SetPushed(ClientRect().Contains(p));
}

void Button::OnLButtonUp(Point p) {
  if (!HasCapture()) return;
  ReleaseCapture();
  bool clicked = pushed_ && ClientRect().Contains(p);
  SetPushed(false);
  if (clicked) NotifyParent();
}

void Button::OnKeyDown(Key key) {
  if (key == Key::Space) NotifyParent();
}

void Button::OnKillFocus() {
  if (HasCapture()) ReleaseCapture();
  SetPushed(false);
  Invalidate(false);
}

void Button::OnSetFocus() { Invalidate(false); }

}  // namespace platform
