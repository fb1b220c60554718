// The contract driver for the headless backend: virtual time, simulated input
// and the simulated screen.

#include <cmath>
#include <memory>

#include "platform/headless/headless_backend.h"
#include "tests/contract/driver.h"
#include "tools/card/frame_signature.h"

namespace {

using platform::headless::HeadlessBackend;

class HeadlessDriver : public ContractDriver {
 public:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    backend_ = backend.get();
    // Simulated clips show the band that names each picture's second, as the made clips do.
    backend_->SetPictureSource([](const std::string&, double seconds, platform::Size size) {
      platform::Bitmap picture(size.width, size.height, platform::Rgb(90, 110, 90));
      card::DrawFrameSignature(picture.Bytes(), picture.Width(), picture.Height(), picture.Stride(),
                               static_cast<int>(std::floor(seconds)));
      return picture;
    });
    platform::InstallBackend(std::move(backend));
  }
  void TearDown() override {
    platform::InstallBackend(nullptr);
    backend_ = nullptr;
  }

  void RunFor(int ms) override { backend_->Advance(ms); }
  bool RunUntil(const std::function<bool()>& done, int timeoutMs) override {
    return backend_->AdvanceUntil(done, timeoutMs);
  }

  void MoveMouse(platform::Point screen) override { backend_->MoveMouse(screen); }
  void Press(platform::Point screen) override { backend_->Press(screen); }
  void Release(platform::Point screen) override { backend_->Release(screen); }
  void DoubleClick(platform::Point screen) override { backend_->DoubleClick(screen); }
  void PressKey(platform::Window& topLevel, platform::Key key) override { backend_->PressKey(topLevel, key); }

  platform::Bitmap ScreenPixels(platform::Window& topLevel) override { return backend_->Screenshot(topLevel); }

  std::vector<SeenMessageBox> MessageBoxes() override {
    std::vector<SeenMessageBox> boxes;
    for (const auto& box : backend_->MessageBoxes()) boxes.push_back({box.text, box.title, {"OK"}});
    return boxes;
  }
  std::vector<std::string> MessageBoxTexts() override {
    std::vector<std::string> texts;
    for (const auto& box : backend_->MessageBoxes()) texts.push_back(box.text);
    return texts;
  }

  bool VirtualTime() const override { return true; }

 private:
  HeadlessBackend* backend_ = nullptr;
};

}  // namespace

ContractDriver& Driver() {
  static HeadlessDriver driver;
  return driver;
}
