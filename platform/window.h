#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw_context.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/raster/bitmap.h"

namespace platform {

class NativeWindow;
struct WindowEvents;

// Never reused within a run, so a message posted to a window that is gone is dropped.
using WindowHandle = std::uint64_t;

// The base of every window of the program: a top-level window on the screen, or a
// child window at a pixel position in its parent's client area.
//
// Every window keeps a backing bitmap of its client size, and that is what the
// screen shows. Drawing through GetDC() goes into the backing bitmap and the
// screen follows; an invalidation later runs OnEraseBackground and OnPaint into it.
// All handlers run on the one user-interface thread.
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creation. A child lies in its parent's client area at `bounds`; a top-level
  // window lies on the screen at `bounds`, owned by `owner` (may be null). Runs
  // OnCreate; returns false (and stays uncreated) when OnCreate refuses.
  bool CreateChild(Window& parent, Rect bounds, int controlId = 0, bool visible = false);
  bool CreateTopLevel(Window* owner, Rect bounds, bool visible = false);
  // Destroys the window and its children; timers and pending messages go with it.
  void Destroy();
  bool IsCreated() const { return created_; }

  WindowHandle Handle() const { return handle_; }
  static Window* FromHandle(WindowHandle handle);

  Window* Parent() const { return parent_; }   // null for a top-level window
  Window* Owner() const { return owner_; }     // the owner of a top-level window
  Window& TopLevel();
  int ControlId() const { return controlId_; }
  const std::vector<Window*>& Children() const { return children_; }  // bottom to top

  void Show(bool visible);
  bool IsVisible() const { return visible_; }
  // Visible, and so are all its ancestors.
  bool IsShowing() const;
  void Move(Rect bounds);
  Rect Bounds() const { return bounds_; }  // in the parent's client area, or on the screen
  Size ClientSize() const { return bounds_.GetSize(); }
  Rect ClientRect() const { return {0, 0, bounds_.width, bounds_.height}; }
  Point ScreenOrigin() const;
  Point ToClient(Point screen) const;

  void SetTitle(std::string title);
  const std::string& Title() const { return title_; }
  void SetIcon(const Bitmap& icon);
  void Minimize();
  bool IsMinimized() const { return minimized_; }
  void Enable(bool enabled);
  bool IsEnabled() const { return enabled_; }

  // Drawing.
  void Invalidate(bool erase = true);  // erase (when asked) and paint, soon
  void UpdateWindow();                 // runs a pending paint now
  DrawContext GetDC();                 // draws straight into the backing bitmap
  const Bitmap& Surface() const { return surface_; }

  // Timers: one per id; setting a running id re-arms it, killing an unknown one is harmless.
  void SetTimer(int id, int periodMs);
  void KillTimer(int id);

  // Posted messages run in order, after the current handler returns; a sent one runs now.
  void PostMessage(MessageId id, WParam w = 0, LParam l = 0);
  LParam SendMessage(MessageId id, WParam w = 0, LParam l = 0);

  // A close request: runs OnClose.
  void SendClose();

  // Input state.
  void SetCapture();
  void ReleaseCapture();
  bool HasCapture() const;
  static Window* CaptureWindow();
  void SetFocus();
  bool HasFocus() const;
  static Window* FocusWindow();
  // Asks for one OnMouseHover once the pointer has rested `hoverMs` over the window.
  void TrackMouseHover(int hoverMs);

  // Modal runs: a nested loop that returns the result given to EndModal. The owner
  // gets no input meanwhile. EndModal before RunModal makes RunModal return at once.
  int RunModal();
  void EndModal(int result);
  bool InModalRun() const { return inModalRun_; }
  bool ModalEndPending() const { return endModalRequested_; }

 protected:
  // Handlers.
  virtual bool OnCreate() { return true; }
  virtual void OnDestroy() {}
  // Returns true when it has drawn the background; otherwise the backing bitmap is
  // filled with BackgroundColour().
  virtual bool OnEraseBackground(DrawContext&) { return false; }
  virtual void OnPaint(DrawContext&) {}
  virtual Colour BackgroundColour() const { return Rgb(0, 0, 0); }
  virtual void OnLButtonDown(Point) {}
  virtual void OnLButtonUp(Point) {}
  virtual void OnLButtonDblClk(Point) {}
  virtual void OnMouseMove(Point) {}
  virtual void OnMouseHover(Point) {}
  virtual void OnMouseLeave() {}
  // Key-down messages first pass here, for the target window and then each of its
  // ancestors; true swallows the key before dialog keys and OnKeyDown see it.
  virtual bool PreTranslateKey(Key) { return false; }
  virtual void OnKeyDown(Key) {}
  virtual void OnSetFocus() {}
  virtual void OnKillFocus() {}
  virtual void OnTimer(int /*id*/) {}
  virtual LParam OnMessage(MessageId, WParam, LParam) { return 0; }
  // A child control's notification (a button's click).
  virtual void OnCommand(int /*controlId*/) {}
  // Where a left press on the window's own surface lands: Caption drags a top-level window.
  virtual HitTest OnHitTest(Point) { return HitTest::Client; }
  virtual void OnClose() { Destroy(); }
  virtual void OnMinimizedChanged(bool /*minimized*/) {}
  // Dialog-key processing of a dialog: Enter and Escape. Plain windows have none.
  virtual bool HandleDialogKey(Key) { return false; }

  // For controls: tells the parent about a command (synchronously).
  void NotifyParent();

 private:
  friend struct WindowEvents;
  friend class DrawContext;

  bool CreateWindow(Window* parent, Window* owner, Rect bounds, int controlId, bool visible);
  void RunPaint();
  void Presented(Rect dirty);
  void DetachChild(Window* child);

  WindowHandle handle_ = 0;
  bool created_ = false;
  Window* parent_ = nullptr;
  Window* owner_ = nullptr;
  std::vector<Window*> children_;
  int controlId_ = 0;
  Rect bounds_{};
  bool visible_ = false;
  bool enabled_ = true;
  bool minimized_ = false;
  std::string title_;
  Bitmap surface_;
  bool paintPending_ = false;
  bool erasePending_ = false;
  int hoverMs_ = 0;
  bool inModalRun_ = false;
  bool endModalRequested_ = false;
  int modalResult_ = 0;
  std::unique_ptr<NativeWindow> native_;
};

}  // namespace platform
