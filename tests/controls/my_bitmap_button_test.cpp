#include "controls/my_bitmap_button.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/resources.h"
#include "tests/support/headless_fixture.h"

namespace {

constexpr platform::Colour kSkin = platform::Rgb(12, 34, 56);

class ButtonHost : public platform::Window {
 public:
  std::vector<int> commands;

 protected:
  bool OnEraseBackground(platform::DrawContext& dc) override {
    dc.FillRect(ClientRect(), kSkin);
    return true;
  }
  void OnCommand(int id) override { commands.push_back(id); }
};

class CountingButton : public CMyBitmapButton {
 public:
  int paints = 0;

 protected:
  void DrawItem(platform::DrawContext& dc, const ItemState& state) override {
    ++paints;
    CMyBitmapButton::DrawItem(dc, state);
  }
};

class MyBitmapButtonTest : public HeadlessTest {
 protected:
  // Three different faces, so each look can be told apart: play, pause, play pressed.
  static constexpr int kNormal = 292, kHover = 289, kPressed = 291;

  void SetUp() override {
    HeadlessTest::SetUp();
    host.CreateTopLevel(nullptr, {0, 0, 300, 200}, true);
    RunPending();
    button.CreateChild(host, {40, 50, 62, 39}, 1001, true);
    button.LoadButtonBitmaps(kNormal, kHover, kPressed);
    RunPending();
  }

  // Whether the button's place on the screen shows this face, with the skin
  // where the face is transparent.
  bool Shows(int id) {
    const platform::Bitmap& face = platform::LoadBitmapResource(id);
    platform::Bitmap shot = Screenshot(host);
    for (int y = 0; y < face.Height(); ++y)
      for (int x = 0; x < face.Width(); ++x) {
        platform::Colour expected = face.Pixel(x, y) == CMyBitmapButton::kTransparent ? kSkin : face.Pixel(x, y);
        if (shot.Pixel(40 + x, 50 + y) != expected) return false;
      }
    return true;
  }

  ButtonHost host;
  CountingButton button;
};

TEST_F(MyBitmapButtonTest, ShowsNormalHoverAndPressedLooksOverTheSkin) {
  EXPECT_TRUE(Shows(kNormal));
  MoveMouseTo(button);
  EXPECT_TRUE(Shows(kHover));
  Press(button);
  EXPECT_TRUE(Shows(kPressed));
  Release(button);
  EXPECT_TRUE(Shows(kHover));
  EXPECT_EQ(host.commands, std::vector<int>{1001});
  MoveMouseTo(host, Point{250, 150});
  EXPECT_TRUE(Shows(kNormal));
}

TEST_F(MyBitmapButtonTest, RepaintsOnceOnEnteringAndOnceOnLeaving) {
  int before = button.paints;
  MoveMouseTo(button, Point{5, 5});
  EXPECT_EQ(button.paints, before + 1);
  MoveMouseTo(button, Point{20, 20});
  MoveMouseTo(button, Point{30, 10});
  Advance(1000);  // hover reports come and go without repainting
  EXPECT_EQ(button.paints, before + 1);
  EXPECT_EQ(button.HoverState(), CMyBitmapButton::Hover::Inside);
  MoveMouseTo(host, Point{250, 150});
  EXPECT_EQ(button.paints, before + 2);
  EXPECT_EQ(button.HoverState(), CMyBitmapButton::Hover::Outside);
  MoveMouseTo(host, Point{260, 160});
  EXPECT_EQ(button.paints, before + 2);
}

TEST_F(MyBitmapButtonTest, KeysDoNothingWhileItHasTheFocus) {
  button.SetFocus();
  RunPending();
  for (platform::Key key : {platform::Key::Space, platform::Key::Enter, platform::Key::Tab, platform::Key::Left,
                            platform::Key::Escape}) {
    PressKey(key);
  }
  EXPECT_TRUE(host.commands.empty());
  EXPECT_FALSE(button.IsPushed());
  EXPECT_TRUE(Shows(kNormal));
}

TEST_F(MyBitmapButtonTest, AReleaseAwayFromTheButtonIsNoClick) {
  Press(button);
  MoveMouseTo(host, Point{250, 150});
  EXPECT_FALSE(button.IsPushed());
  Release(host, Point{250, 150});
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(MyBitmapButtonTest, OneImageForEveryLookStillRepaintsOnEnterAndLeave) {
  button.Move({40, 50, 65, 33});  // the close button's size
  button.LoadButtonBitmaps(279, 279, 279);
  RunPending();
  int before = button.paints;
  MoveMouseTo(button);
  EXPECT_TRUE(Shows(279));
  MoveMouseTo(host, Point{250, 150});
  EXPECT_EQ(button.paints, before + 2);
  EXPECT_TRUE(Shows(279));
}

}  // namespace
