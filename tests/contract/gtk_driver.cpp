// The contract driver for the GTK backend: a real X display (Xvfb), real time,
// input through XTest and the screen read back from the X server.

#include "tests/contract/driver.h"

#include <cstdlib>

#include "platform/backend.h"
#include "platform/gtk/message_box_testing.h"
#include "tests/gtk/real_display.h"

namespace {

class GtkDriver : public ContractDriver {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "contract_gtk";
    static char* args[] = {name, nullptr};
    static char** argv = args;
    platform::InstallBackend(platform::CreateDesktopBackend(argc, argv));
    platform::gtk::AnswerMessageBoxes(true);
    platform::gtk::ForgetShownMessageBoxes();
    if (buttonDown_) LeftButton(false);
    // Each test begins with the pointer away from its windows.
    GdkWindow* root = gdk_get_default_root_window();
    Point(gdk_window_get_width(root) - 1, gdk_window_get_height(root) - 1);
    real_display::Pump();
  }

  void TearDown() override {
    if (buttonDown_) LeftButton(false);
    real_display::Pump();
    platform::InstallBackend(nullptr);
  }

  void RunFor(int ms) override { real_display::RunFor(ms); }

  bool RunUntil(const std::function<bool()>& done, int timeoutMs) override {
    return real_display::RunUntil(done, timeoutMs);
  }

  void MoveMouse(platform::Point screen) override { Point(screen.x, screen.y); }

  void Press(platform::Point screen) override {
    Point(screen.x, screen.y);
    // Two presses in quick succession at one spot would make a double click.
    gint64 sinceUs = g_get_monotonic_time() - lastPressUs_;
    if (std::abs(screen.x - lastPress_.x) <= kDoubleClickDistance &&
        std::abs(screen.y - lastPress_.y) <= kDoubleClickDistance && sinceUs < kDoubleClickTimeUs) {
      real_display::RunFor(static_cast<int>((kDoubleClickTimeUs - sinceUs) / 1000) + 1);
    }
    LeftButton(true);
    lastPressUs_ = g_get_monotonic_time();
    lastPress_ = screen;
  }

  void Release(platform::Point screen) override {
    Point(screen.x, screen.y);
    LeftButton(false);
  }

  void DoubleClick(platform::Point screen) override {
    Press(screen);
    LeftButton(false);
    LeftButton(true);
    LeftButton(false);
    lastPressUs_ = g_get_monotonic_time();
  }

  void PressKey(platform::Window& topLevel, platform::Key key) override {
    real_display::FocusTopLevel(topLevel);
    real_display::TypeKeySym(real_display::KeySymOf(key));
  }

  platform::Bitmap ScreenPixels(platform::Window& topLevel) override {
    real_display::Pump();
    real_display::WaitForFrame(topLevel);
    return real_display::ReadScreen(topLevel.Bounds());
  }

  std::vector<SeenMessageBox> MessageBoxes() override {
    std::vector<SeenMessageBox> boxes;
    for (auto& box : platform::gtk::ShownMessageBoxes()) boxes.push_back({box.text, box.title, box.buttons});
    return boxes;
  }
  std::vector<std::string> MessageBoxTexts() override {
    std::vector<std::string> texts;
    for (auto& box : platform::gtk::ShownMessageBoxes()) texts.push_back(box.text);
    return texts;
  }

  bool VirtualTime() const override { return false; }

 private:
  // A little more than GTK's double-click time and distance (400 ms, 5 pixels).
  static constexpr gint64 kDoubleClickTimeUs = 450'000;
  static constexpr int kDoubleClickDistance = 6;

  void Point(int x, int y) {
    if (havePointer_ && x == pointer_.x && y == pointer_.y) return;
    pointer_ = {x, y};
    havePointer_ = true;
    real_display::MovePointer(pointer_);
  }

  void LeftButton(bool down) {
    buttonDown_ = down;
    real_display::LeftButton(down);
  }

  platform::Point pointer_{};
  bool havePointer_ = false;
  bool buttonDown_ = false;
  gint64 lastPressUs_ = -kDoubleClickTimeUs;
  platform::Point lastPress_{};
};

}  // namespace

ContractDriver& Driver() {
  static GtkDriver driver;
  return driver;
}
