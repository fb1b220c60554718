#pragma once

#include "platform/window.h"

namespace platform {

// A push button that draws itself: pressing the left button on it captures the
// pointer and shows it pushed while the pointer stays over it; releasing over it
// tells the parent (OnCommand with the button's control id). Space clicks it.
class Button : public Window {
 public:
  struct ItemState {
    bool selected = false;  // held down
    bool focused = false;
    bool disabled = false;
  };

  bool IsPushed() const { return pushed_; }
  void SetPushed(bool pushed);
  // Clicks it as the user would: the parent hears of it.
  void Click();

 protected:
  virtual void DrawItem(DrawContext& dc, const ItemState& state) = 0;

  bool OnEraseBackground(DrawContext&) override { return true; }
  void OnPaint(DrawContext& dc) override;
  void OnLButtonDown(Point p) override;
  void OnLButtonDblClk(Point p) override;
  void OnMouseMove(Point p) override;
  void OnLButtonUp(Point p) override;
  void OnKeyDown(Key key) override;
  void OnKillFocus() override;
  void OnSetFocus() override;

 private:
  bool pushed_ = false;
};

}  // namespace platform
