#include "tests/support/headless_fixture.h"

#include <memory>

using platform::headless::HeadlessBackend;

void HeadlessTest::SetUp() {
  auto backend = std::make_unique<HeadlessBackend>();
  backend_ = backend.get();
  platform::InstallBackend(std::move(backend));
}

void HeadlessTest::TearDown() {
  if (!allowAbandoned_) {
    EXPECT_EQ(backend_->AbandonedModalRuns(), 0) << "a modal run was given up: nothing ended it";
  }
  platform::InstallBackend(nullptr);
  backend_ = nullptr;
}

platform::Point HeadlessTest::CentreOf(const Window& window) {
  return {window.ClientSize().width / 2, window.ClientSize().height / 2};
}

platform::Point HeadlessTest::ScreenPointOf(const Window& window, std::optional<Point> client) {
  return HeadlessBackend::ScreenPointOf(window, client.value_or(CentreOf(window)));
}

platform::Window* HeadlessTest::FindChild(const Window& parent, int controlId) {
  for (Window* child : parent.Children()) {
    if (child->ControlId() == controlId) return child;
    if (Window* found = FindChild(*child, controlId)) return found;
  }
  return nullptr;
}

void HeadlessTest::MoveMouseTo(const Window& window, std::optional<Point> client) {
  backend_->MoveMouse(ScreenPointOf(window, client));
}

void HeadlessTest::Press(const Window& window, std::optional<Point> client) {
  backend_->Press(ScreenPointOf(window, client));
}

void HeadlessTest::Release(const Window& window, std::optional<Point> client) {
  backend_->Release(ScreenPointOf(window, client));
}

void HeadlessTest::Click(const Window& window, std::optional<Point> client) {
  backend_->Click(ScreenPointOf(window, client));
}

void HeadlessTest::DoubleClick(const Window& window, std::optional<Point> client) {
  backend_->DoubleClick(ScreenPointOf(window, client));
}

void HeadlessTest::Drag(const Window& window, Point fromClient, Point toClient, int steps) {
  backend_->Drag(ScreenPointOf(window, fromClient), ScreenPointOf(window, toClient), steps);
}

platform::Colour HeadlessTest::ScreenPixel(const Window& window, Point client) const {
  return backend_->ScreenPixel(ScreenPointOf(window, client));
}

std::vector<std::string> HeadlessTest::MessageBoxTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : backend_->MessageBoxes()) texts.push_back(box.text);
  return texts;
}
