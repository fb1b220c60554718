#include "platform/dialog.h"

namespace platform {

int Dialog::DoModal(Window* owner) {
  Point origin = owner != nullptr ? owner->ScreenOrigin() : Point{};
  if (!CreateTopLevel(owner, {origin.x, origin.y, initialSize_.width, initialSize_.height}, false))
    return -1;
  modal_ = true;
  OnInitDialog();
  int result = kIdCancel;
  if (IsCreated()) {
    // A dialog ended during its initialisation is never shown.
    if (!ModalEndPending()) Show(true);
    result = RunModal();
  }
  modal_ = false;
  Destroy();
  return result;
}

bool Dialog::CreateModeless(Window* owner, bool visible) {
  Point origin = owner != nullptr ? owner->ScreenOrigin() : Point{};
  if (!CreateTopLevel(owner, {origin.x, origin.y, initialSize_.width, initialSize_.height}, false))
    return false;
  OnInitDialog();
  if (!IsCreated()) return false;
  if (visible) Show(true);
  return true;
}

bool Dialog::CreateAsChild(Window& parent, Rect bounds, int controlId, bool visible) {
  if (!CreateChild(parent, bounds, controlId, visible)) return false;
  OnInitDialog();
  return IsCreated();
}

void Dialog::EndDialog(int result) {
  if (modal_) {
    EndModal(result);
  } else {
    Show(false);
  }
}

bool Dialog::HandleDialogKey(Key key) {
  switch (key) {
    case Key::Enter:
      OnOK();
      return true;
    case Key::Escape:
      OnCancel();
      return true;
    default:
      return false;
  }
}

}  // namespace platform
