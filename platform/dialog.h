#pragma once

#include "platform/window.h"

namespace platform {

// A window with dialog behaviour: an initialisation handler, modal runs, and
// dialog-key processing (Enter is OK, Escape is Cancel; both end a modal run
// unless the dialog's PreTranslateKey withholds them).
class Dialog : public Window {
 public:
  // `size` is the dialog's size before its initialisation places it.
  explicit Dialog(Size size) : initialSize_(size) {}

  // Creates the dialog as a top-level window owned by `owner`, at the owner's
  // client origin, runs OnInitDialog, shows it and runs it modally; destroys it
  // afterwards. Returns the result given to EndDialog.
  int DoModal(Window* owner);
  // Creates a top-level dialog that is not modal; runs OnInitDialog; shown when `visible`.
  bool CreateModeless(Window* owner, bool visible = true);
  // Creates the dialog as a child window of `parent`; runs OnInitDialog.
  bool CreateAsChild(Window& parent, Rect bounds, int controlId = 0, bool visible = false);

  // Ends a modal run (also one that has not begun yet); a modeless dialog is hidden.
  void EndDialog(int result);

 protected:
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }
  void OnClose() override { OnCancel(); }
  bool HandleDialogKey(Key key) override;

 private:
  Size initialSize_;
  bool modal_ = false;
};

}  // namespace platform
