#include "platform/headless/headless_window.h"

#include "platform/headless/desktop.h"
#include "platform/raster/draw.h"

namespace platform::headless {

HeadlessWindow::HeadlessWindow(Desktop& desktop, Window& window)
    : desktop_(&desktop), window_(window), handle_(window.Handle()), shown_(window.Surface()) {}

HeadlessWindow::~HeadlessWindow() {
  if (desktop_ != nullptr) desktop_->Forget(*this);
}

void HeadlessWindow::SetVisible(bool visible) {
  if (!visible) return;
  // Showing exposes the whole window: the screen fetches all of the backing bitmap.
  shown_ = window_.Surface();
  ++presents_;
  if (desktop_ != nullptr && window_.Parent() == nullptr) desktop_->Raise(*this);
}

void HeadlessWindow::SetBounds(Rect bounds) {
  if (bounds.GetSize() == shown_.GetSize()) return;
  Bitmap resized(bounds.width, bounds.height);
  raster::Copy(resized, 0, 0, shown_.Width(), shown_.Height(), shown_, 0, 0);
  shown_ = std::move(resized);
}

void HeadlessWindow::Present(Rect dirty) {
  const Bitmap& surface = window_.Surface();
  if (surface.GetSize() != shown_.GetSize()) shown_ = Bitmap(surface.Width(), surface.Height());
  raster::Copy(shown_, dirty.x, dirty.y, dirty.width, dirty.height, surface, dirty.x, dirty.y);
  ++presents_;
}

void HeadlessWindow::Minimize() {
  if (desktop_ != nullptr) desktop_->Minimize(*this);
}

void HeadlessWindow::BeginMoveDrag(Point screenPoint) {
  if (desktop_ != nullptr) desktop_->BeginMoveDrag(*this, screenPoint);
}

}  // namespace platform::headless
