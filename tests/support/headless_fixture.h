#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/window.h"

// The base of every window test on the simulated desktop: a fresh headless
// backend is installed before each test and removed after it. Windows may
// outlive the backend (fixture members are destroyed after TearDown).
//
// Input helpers take a window and a point in its client area (its centre when
// left out); pending work runs before and after each event.
class HeadlessTest : public ::testing::Test {
 protected:
  using Point = platform::Point;
  using Window = platform::Window;
  using HeadlessBackend = platform::headless::HeadlessBackend;

  void SetUp() override;
  void TearDown() override;

  platform::headless::HeadlessBackend& Backend() { return *backend_; }

  // Time.
  void RunPending() { backend_->RunPending(); }
  void Advance(std::int64_t ms) { backend_->Advance(ms); }
  bool AdvanceUntil(const std::function<bool()>& done, std::int64_t maxMs) {
    return backend_->AdvanceUntil(done, maxMs);
  }
  std::int64_t Now() const { return backend_->Now(); }

  // Where things are.
  static Point CentreOf(const Window& window);
  static Point ScreenPointOf(const Window& window, std::optional<Point> client = {});
  // The window with this control id among the descendants of `parent`, or null.
  static Window* FindChild(const Window& parent, int controlId);
  Window* TopWindow() const { return backend_->TopWindow(); }
  static Window* Focus() { return Window::FocusWindow(); }
  static Window* Capture() { return Window::CaptureWindow(); }

  // The user.
  void MoveMouseTo(const Window& window, std::optional<Point> client = {});
  void Press(const Window& window, std::optional<Point> client = {});
  void Release(const Window& window, std::optional<Point> client = {});
  void Click(const Window& window, std::optional<Point> client = {});
  void DoubleClick(const Window& window, std::optional<Point> client = {});
  void Drag(const Window& window, Point fromClient, Point toClient, int steps = 4);
  void PressKey(platform::Key key) { backend_->PressKey(key); }

  // The screen: what it shows of a window (with its children), and one pixel
  // of the desktop at a point of a window, whatever lies on top there.
  platform::Bitmap Screenshot(const Window& window) const { return backend_->Screenshot(window); }
  platform::Colour ScreenPixel(const Window& window, Point client) const;

  // Message boxes shown so far (each answered with OK).
  std::vector<std::string> MessageBoxTexts() const;

  // Modal runs: `hook` runs when a modal run has nothing left to do (or has gone
  // quiet for `quietAfterMs` of virtual time, 0 meaning at once); it acts as the
  // user and answers true, or answers false to give the run up.
  void WhenModalIdle(std::function<bool()> hook,
                     std::int64_t quietAfterMs = platform::headless::HeadlessBackend::kDefaultModalQuietMs) {
    backend_->SetModalIdleHook(std::move(hook), quietAfterMs);
  }
  // A test that means to give up a modal run says so; otherwise an abandoned run fails it.
  void AllowAbandonedModalRuns() { allowAbandoned_ = true; }

 private:
  platform::headless::HeadlessBackend* backend_ = nullptr;
  bool allowAbandoned_ = false;
};
