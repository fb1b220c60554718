#include "platform/window.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "platform/backend.h"
#include "platform/native_window.h"
#include "platform/raster/draw.h"
#include "platform/window_events.h"

namespace platform {

namespace {

constexpr int kHoverTimer = INT_MIN;  // the platform's own timer id for hover reports

struct Registry {
  std::unordered_map<WindowHandle, Window*> windows;
  WindowHandle next = 0;
  WindowHandle focus = 0;
  WindowHandle capture = 0;
  WindowHandle hover = 0;
  Point pointer{};                      // the last pointer position, on the screen
  std::vector<WindowHandle> modalRuns;  // innermost last
};

Registry& Reg() {
  static Registry registry;
  return registry;
}

Window* Lookup(WindowHandle handle) {
  if (handle == 0) return nullptr;
  auto it = Reg().windows.find(handle);
  return it == Reg().windows.end() ? nullptr : it->second;
}

// The top-level window a modal run of `w` keeps from input: its owner's.
Window* ModalOwner(Window* w) {
  return w != nullptr && w->Owner() != nullptr ? &w->Owner()->TopLevel() : nullptr;
}

// A modal run takes input from its owner only, as the system disables the owner
// of a modal dialog; the dialog itself, its own windows and unrelated windows
// (even other windows owned by the same owner) keep taking input.
bool BlockedByModalRun(Window& topLevel) {
  for (WindowHandle run : Reg().modalRuns)
    if (ModalOwner(Lookup(run)) == &topLevel) return true;
  return false;
}

bool AcceptsInput(Window* w) {
  if (w == nullptr) return false;
  for (Window* a = w; a != nullptr; a = a->Parent())
    if (!a->IsEnabled()) return false;
  return !BlockedByModalRun(w->TopLevel());
}

}  // namespace

Window::Window() = default;

Window::~Window() { Destroy(); }

Window* Window::FromHandle(WindowHandle handle) { return Lookup(handle); }

bool Window::CreateChild(Window& parent, Rect bounds, int controlId, bool visible) {
  return CreateWindow(&parent, nullptr, bounds, controlId, visible);
}

bool Window::CreateTopLevel(Window* owner, Rect bounds, bool visible) {
  return CreateWindow(nullptr, owner, bounds, 0, visible);
}

bool Window::CreateWindow(Window* parent, Window* owner, Rect bounds, int controlId, bool visible) {
  if (created_) return false;
  Registry& reg = Reg();
  handle_ = ++reg.next;
  reg.windows[handle_] = this;
  parent_ = parent;
  owner_ = owner;
  controlId_ = controlId;
  bounds_ = bounds;
  visible_ = visible;
  surface_ = Bitmap(std::max(bounds.width, 0), std::max(bounds.height, 0));
  if (parent_ != nullptr) parent_->children_.push_back(this);
  created_ = true;
  native_ = CurrentBackend().CreateNativeWindow(*this);
  if (!OnCreate()) {
    Destroy();
    return false;
  }
  Invalidate(true);
  return true;
}

void Window::Destroy() {
  if (!created_) return;
  OnDestroy();
  std::vector<Window*> children = children_;
  for (auto it = children.rbegin(); it != children.rend(); ++it) (*it)->Destroy();
  Registry& reg = Reg();
  // Windows owned by this one go with it, so that no owner pointer outlives its window.
  std::vector<WindowHandle> owned;
  for (const auto& [handle, w] : reg.windows)
    if (w->owner_ == this) owned.push_back(handle);
  std::sort(owned.begin(), owned.end());
  for (WindowHandle h : owned)
    if (Window* w = Lookup(h)) w->Destroy();
  if (reg.focus == handle_) reg.focus = 0;
  if (reg.capture == handle_) reg.capture = 0;
  if (reg.hover == handle_) reg.hover = 0;
  if (HasBackend()) CurrentBackend().WindowDestroyed(handle_);
  native_.reset();
  reg.windows.erase(handle_);
  if (parent_ != nullptr) parent_->DetachChild(this);
  children_.clear();
  created_ = false;
  paintPending_ = false;
  if (inModalRun_) endModalRequested_ = true;
}

void Window::DetachChild(Window* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

Window& Window::TopLevel() {
  Window* w = this;
  while (w->parent_ != nullptr) w = w->parent_;
  return *w;
}

void Window::Show(bool visible) {
  if (!created_) return;
  visible_ = visible;
  native_->SetVisible(visible);
}

bool Window::IsShowing() const {
  for (const Window* w = this; w != nullptr; w = w->parent_)
    if (!w->visible_) return false;
  return created_;
}

void Window::Move(Rect bounds) {
  if (!created_) return;
  bool resized = bounds.GetSize() != bounds_.GetSize();
  bounds_ = bounds;
  if (resized) {
    Bitmap resizedSurface(std::max(bounds.width, 0), std::max(bounds.height, 0));
    raster::Copy(resizedSurface, 0, 0, surface_.Width(), surface_.Height(), surface_, 0, 0);
    surface_ = std::move(resizedSurface);
  }
  native_->SetBounds(bounds);
  if (resized) Invalidate(true);
}

Point Window::ScreenOrigin() const {
  Point origin{bounds_.x, bounds_.y};
  if (parent_ != nullptr) {
    Point p = parent_->ScreenOrigin();
    origin.x += p.x;
    origin.y += p.y;
  }
  return origin;
}

Point Window::ToClient(Point screen) const {
  Point origin = ScreenOrigin();
  return {screen.x - origin.x, screen.y - origin.y};
}

void Window::SetTitle(std::string title) {
  title_ = std::move(title);
  if (created_) native_->SetTitle(title_);
}

void Window::SetIcon(const Bitmap& icon) {
  if (created_) native_->SetIcon(icon);
}

void Window::Minimize() {
  if (created_) native_->Minimize();
}

void Window::Enable(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (!enabled && HasCapture()) ReleaseCapture();
  Invalidate(false);
}

void Window::Invalidate(bool erase) {
  if (!created_ || !HasBackend()) return;
  erasePending_ = erasePending_ || erase;
  if (!paintPending_) {
    paintPending_ = true;
    CurrentBackend().SchedulePaint(handle_);
  }
}

void Window::UpdateWindow() { RunPaint(); }

void Window::RunPaint() {
  if (!created_ || !paintPending_) return;
  paintPending_ = false;
  WindowHandle self = handle_;
  DrawContext dc(*this);
  if (erasePending_) {
    erasePending_ = false;
    if (!OnEraseBackground(dc)) surface_.Fill(BackgroundColour());
    if (Lookup(self) != this) return;
  }
  OnPaint(dc);
  dc.Touched(ClientRect());
}

DrawContext Window::GetDC() { return DrawContext(*this); }

void Window::Presented(Rect dirty) {
  if (created_ && native_ && !dirty.Empty()) native_->Present(dirty);
}

void Window::SetTimer(int id, int periodMs) {
  if (created_ && HasBackend()) CurrentBackend().SetTimer(handle_, id, std::max(periodMs, 1));
}

void Window::KillTimer(int id) {
  if (created_ && HasBackend()) CurrentBackend().KillTimer(handle_, id);
}

void Window::PostMessage(MessageId id, WParam w, LParam l) {
  if (created_ && HasBackend()) CurrentBackend().Post(handle_, Message{id, w, l});
}

LParam Window::SendMessage(MessageId id, WParam w, LParam l) {
  if (!created_) return 0;
  return OnMessage(id, w, l);
}

void Window::SendClose() {
  if (created_) OnClose();
}

void Window::NotifyParent() {
  if (parent_ != nullptr && created_) parent_->OnCommand(controlId_);
}

void Window::SetCapture() {
  if (created_) Reg().capture = handle_;
}

void Window::ReleaseCapture() {
  if (Reg().capture == handle_) Reg().capture = 0;
}

bool Window::HasCapture() const { return created_ && Reg().capture == handle_; }

Window* Window::CaptureWindow() { return Lookup(Reg().capture); }

void Window::SetFocus() {
  if (!created_) return;
  Registry& reg = Reg();
  if (reg.focus == handle_) return;
  Window* old = Lookup(reg.focus);
  reg.focus = handle_;
  if (old != nullptr) old->OnKillFocus();
  if (Lookup(reg.focus) == this) OnSetFocus();
}

bool Window::HasFocus() const { return created_ && Reg().focus == handle_; }

Window* Window::FocusWindow() { return Lookup(Reg().focus); }

void Window::TrackMouseHover(int hoverMs) {
  hoverMs_ = std::max(hoverMs, 1);
  // The pointer may already rest over the window: the wait begins now.
  if (created_ && Reg().hover == handle_) SetTimer(kHoverTimer, hoverMs_);
}

int Window::RunModal() {
  if (!created_) return modalResult_;
  if (endModalRequested_) {
    endModalRequested_ = false;
    return modalResult_;
  }
  Registry& reg = Reg();
  inModalRun_ = true;
  reg.modalRuns.push_back(handle_);
  WindowHandle ownerHandle = owner_ != nullptr ? owner_->TopLevel().handle_ : 0;
  if (Window* o = Lookup(ownerHandle)) o->native_->SetInputEnabled(false);
  CurrentBackend().RunModalLoop([this] { return endModalRequested_ || !created_; });
  std::erase(reg.modalRuns, handle_);
  // Another modal run over the same owner keeps it disabled.
  if (Window* o = Lookup(ownerHandle); o != nullptr && !BlockedByModalRun(*o)) o->native_->SetInputEnabled(true);
  inModalRun_ = false;
  endModalRequested_ = false;
  return modalResult_;
}

void Window::EndModal(int result) {
  modalResult_ = result;
  endModalRequested_ = true;
}

// ---- events from the backend ----

void WindowEvents::Timer(WindowHandle handle, int id) {
  Window* w = Lookup(handle);
  if (w == nullptr) return;
  if (id == kHoverTimer) {
    w->KillTimer(kHoverTimer);
    if (Reg().hover == handle && w->hoverMs_ > 0) {
      w->hoverMs_ = 0;
      w->OnMouseHover(w->ToClient(Reg().pointer));
    }
    return;
  }
  w->OnTimer(id);
}

void WindowEvents::Posted(WindowHandle handle, const Message& message) {
  if (Window* w = Lookup(handle)) w->OnMessage(message.id, message.wParam, message.lParam);
}

void WindowEvents::Paint(WindowHandle handle) {
  if (Window* w = Lookup(handle)) w->RunPaint();
}

namespace {

void SetHoverWindow(Window* under) {
  Registry& reg = Reg();
  WindowHandle next = under != nullptr ? under->Handle() : 0;
  if (reg.hover == next) return;
  Window* old = Lookup(reg.hover);
  reg.hover = next;
  if (old != nullptr) {
    old->KillTimer(kHoverTimer);
    WindowEvents::LeaveOf(*old);
  }
}

Window* PointerTarget(Window* under) {
  Window* captured = Lookup(Reg().capture);
  return captured != nullptr ? captured : under;
}

}  // namespace

void WindowEvents::LeaveOf(Window& window) {
  // Leaving ends the hover tracking: a hover report needs a new request.
  window.hoverMs_ = 0;
  window.OnMouseLeave();
}

void WindowEvents::MouseMove(Window* under, Point screen) {
  Reg().pointer = screen;
  SetHoverWindow(under);
  Window* target = PointerTarget(under);
  if (!AcceptsInput(target)) return;
  // A move restarts the wait for a hover report of the window under the pointer.
  if (target == under && target->hoverMs_ > 0) target->SetTimer(kHoverTimer, target->hoverMs_);
  target->OnMouseMove(target->ToClient(screen));
}

void WindowEvents::LButtonDown(Window* under, Point screen) {
  Reg().pointer = screen;
  SetHoverWindow(under);
  Window* target = PointerTarget(under);
  if (!AcceptsInput(target)) return;
  Point client = target->ToClient(screen);
  if (target->Parent() == nullptr && !target->HasCapture() && target->OnHitTest(client) == HitTest::Caption) {
    target->native_->BeginMoveDrag(screen);
    return;
  }
  target->OnLButtonDown(client);
}

void WindowEvents::LButtonUp(Window* under, Point screen) {
  Reg().pointer = screen;
  Window* target = PointerTarget(under);
  if (!AcceptsInput(target)) return;
  target->OnLButtonUp(target->ToClient(screen));
}

void WindowEvents::LButtonDblClk(Window* under, Point screen) {
  Reg().pointer = screen;
  SetHoverWindow(under);
  Window* target = PointerTarget(under);
  if (!AcceptsInput(target)) return;
  Point client = target->ToClient(screen);
  if (target->Parent() == nullptr && !target->HasCapture() && target->OnHitTest(client) == HitTest::Caption) return;
  target->OnLButtonDblClk(client);
}

void WindowEvents::PointerLeft() { SetHoverWindow(nullptr); }

void WindowEvents::KeyDown(Window& topLevel, Key key) {
  Window* focus = Lookup(Reg().focus);
  Window* target = (focus != nullptr && &focus->TopLevel() == &topLevel) ? focus : &topLevel;
  if (!AcceptsInput(target)) return;
  WindowHandle targetHandle = target->Handle();
  // Collect the chain first: a handler may destroy windows on the way.
  std::vector<WindowHandle> chain;
  for (Window* w = target; w != nullptr; w = w->Parent()) chain.push_back(w->Handle());
  for (WindowHandle h : chain) {
    Window* w = Lookup(h);
    if (w == nullptr) return;
    if (w->PreTranslateKey(key)) return;
    if (Lookup(h) == nullptr) return;
    if (w->HandleDialogKey(key)) return;
  }
  if (Window* t = Lookup(targetHandle)) t->OnKeyDown(key);
}

void WindowEvents::Moved(Window& topLevel, Point screenOrigin) {
  topLevel.bounds_.x = screenOrigin.x;
  topLevel.bounds_.y = screenOrigin.y;
}

void WindowEvents::MinimizedChanged(Window& topLevel, bool minimized) {
  if (topLevel.minimized_ == minimized) return;
  topLevel.minimized_ = minimized;
  topLevel.OnMinimizedChanged(minimized);
  topLevel.Invalidate(true);
}

void WindowEvents::CloseRequested(Window& topLevel) { topLevel.SendClose(); }

}  // namespace platform
