#include "platform/headless/desktop.h"

#include <algorithm>

#include "platform/raster/draw.h"
#include "platform/window_events.h"

namespace platform::headless {

namespace {

Rect Intersect(Rect a, Rect b) {
  int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  int x1 = std::min(a.Right(), b.Right()), y1 = std::min(a.Bottom(), b.Bottom());
  if (x1 <= x0 || y1 <= y0) return {};
  return {x0, y0, x1 - x0, y1 - y0};
}

const Window& TopOf(const Window& window) {
  const Window* top = &window;
  while (top->Parent() != nullptr) top = top->Parent();
  return *top;
}

bool OwnedBy(const Window& window, const Window& owner) {
  return window.Owner() != nullptr && &TopOf(*window.Owner()) == &owner;
}

}  // namespace

Desktop::~Desktop() {
  for (auto& [handle, native] : natives_) native->Detach();
}

std::unique_ptr<NativeWindow> Desktop::Create(Window& window) {
  auto native = std::make_unique<HeadlessWindow>(*this, window);
  natives_[window.Handle()] = native.get();
  if (window.Parent() == nullptr) Raise(*native);
  return native;
}

void Desktop::Forget(HeadlessWindow& native) {
  natives_.erase(native.Handle());
  std::erase(stack_, &native);
  if (drag_ && drag_->window == native.Handle()) drag_.reset();
}

HeadlessWindow* Desktop::Find(WindowHandle handle) const {
  auto it = natives_.find(handle);
  return it == natives_.end() ? nullptr : it->second;
}

void Desktop::Raise(HeadlessWindow& native) {
  std::erase(stack_, &native);
  stack_.push_back(&native);
  RaiseOwned(native.GetWindow());
}

void Desktop::RaiseOwned(const Window& owner) {
  std::vector<HeadlessWindow*> owned;
  for (HeadlessWindow* n : stack_)
    if (OwnedBy(n->GetWindow(), owner)) owned.push_back(n);
  for (HeadlessWindow* n : owned) {
    std::erase(stack_, n);
    stack_.push_back(n);
    RaiseOwned(n->GetWindow());
  }
}

std::vector<Window*> Desktop::TopLevels() const {
  std::vector<Window*> windows;
  for (HeadlessWindow* n : stack_) windows.push_back(&n->GetWindow());
  return windows;
}

Window* Desktop::TopWindow() const {
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it)
    if ((*it)->GetWindow().IsVisible() && !(*it)->Minimized()) return &(*it)->GetWindow();
  return nullptr;
}

Window* Desktop::WindowAt(Point screen) const {
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
    Window& top = (*it)->GetWindow();
    if (!top.IsVisible() || (*it)->Minimized() || !top.Bounds().Contains(screen)) continue;
    Window* at = &top;
    Point local{screen.x - top.Bounds().x, screen.y - top.Bounds().y};
    for (bool descended = true; descended;) {
      descended = false;
      const auto& children = at->Children();
      for (auto c = children.rbegin(); c != children.rend(); ++c) {
        Window* child = *c;
        if (!child->IsVisible() || !child->Bounds().Contains(local)) continue;
        if (!child->IsEnabled()) break;
        local = {local.x - child->Bounds().x, local.y - child->Bounds().y};
        at = child;
        descended = true;
        break;
      }
    }
    return at;
  }
  return nullptr;
}

bool Desktop::IsOnScreen(const Window& window) const {
  if (!window.IsShowing()) return false;
  HeadlessWindow* top = Find(TopOf(window).Handle());
  return top != nullptr && !top->Minimized();
}

Bitmap Desktop::Compose(const Window& window) const {
  Bitmap out(window.ClientSize().width, window.ClientSize().height);
  ComposeInto(out, window, {0, 0}, window.ClientRect());
  return out;
}

void Desktop::ComposeInto(Bitmap& out, const Window& window, Point at, Rect clip) const {
  HeadlessWindow* native = Find(window.Handle());
  if (native == nullptr) return;
  const Bitmap& shown = native->Shown();
  Rect area = Intersect(clip, {at.x, at.y, shown.Width(), shown.Height()});
  if (area.Empty()) return;
  raster::Copy(out, area.x, area.y, area.width, area.height, shown, area.x - at.x, area.y - at.y);
  for (const Window* child : window.Children()) {
    if (!child->IsVisible()) continue;
    Rect b = child->Bounds();
    Rect childArea = Intersect(area, {at.x + b.x, at.y + b.y, b.width, b.height});
    if (!childArea.Empty()) ComposeInto(out, *child, {at.x + b.x, at.y + b.y}, childArea);
  }
}

Bitmap Desktop::ComposeArea(Rect area) const {
  Bitmap out(area.width, area.height);
  for (HeadlessWindow* n : stack_) {
    const Window& top = n->GetWindow();
    if (!top.IsVisible() || n->Minimized()) continue;
    Rect b = top.Bounds();
    ComposeInto(out, top, {b.x - area.x, b.y - area.y}, {0, 0, area.width, area.height});
  }
  return out;
}

void Desktop::Minimize(HeadlessWindow& native) {
  WindowHandle handle = native.Handle();
  // The window manager reports the new state later, as an event of the loop.
  loop_.PostTask(handle, [this, handle] {
    HeadlessWindow* n = Find(handle);
    if (n == nullptr || n->Minimized()) return;
    n->SetMinimized(true);
    if (drag_ && drag_->window == handle) drag_.reset();
    WindowEvents::MinimizedChanged(n->GetWindow(), true);
  });
}

void Desktop::Restore(Window& topLevel) {
  HeadlessWindow* n = Find(topLevel.Handle());
  if (n == nullptr || !n->Minimized()) return;
  n->SetMinimized(false);
  Raise(*n);
  WindowEvents::MinimizedChanged(topLevel, false);
}

void Desktop::BeginMoveDrag(HeadlessWindow& native, Point screenPoint) {
  Rect b = native.GetWindow().Bounds();
  drag_ = MoveDrag{native.Handle(), screenPoint, {b.x, b.y}};
}

void Desktop::DragTo(Point screenPoint) {
  if (!drag_) return;
  HeadlessWindow* n = Find(drag_->window);
  if (n == nullptr) {
    drag_.reset();
    return;
  }
  Point origin{drag_->originStart.x + screenPoint.x - drag_->pointerStart.x,
               drag_->originStart.y + screenPoint.y - drag_->pointerStart.y};
  WindowEvents::Moved(n->GetWindow(), origin);
}

}  // namespace platform::headless
