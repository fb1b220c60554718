#pragma once

#include <cstdint>
#include <memory>

#include "controls/my_bitmap_button.h"
#include "platform/dialog.h"
#include "platform/raster/bitmap.h"

// The main player window: the skin, every button and slider, the video screen,
// the instrument panel and the clip list. One header; the behaviour is split by
// concern over the app/main_window_*.cpp files.
class CZelvikPlayerDlg : public platform::Dialog {
 public:
  CZelvikPlayerDlg();
  ~CZelvikPlayerDlg() override;

  // The button with the given control id, or null.
  CMyBitmapButton* ButtonById(int id);

  // Skins and panel pictures, loaded in set-up.
  const platform::Bitmap* backgroundBitmap = nullptr;
  const platform::Bitmap* graphBackgroundBitmap = nullptr;
  const platform::Bitmap* graphCaptionBitmap = nullptr;
  std::uint8_t mileMode = 0;
  std::int32_t reverseStep = 0;
  std::int32_t clipLengthCode = 0;
  platform::Bitmap appIcon;
  bool networkAvailable = false;

  // Buttons, in set-up order.
  CMyBitmapButton miniButton;       // 1009
  CMyBitmapButton closeButton;      // 1000
  CMyBitmapButton playButton;       // 1001
  CMyBitmapButton pauseButton;      // 1003
  CMyBitmapButton backPlayButton;   // 1081
  CMyBitmapButton backPauseButton;  // 1085
  CMyBitmapButton stopButton;       // 1002
  CMyBitmapButton rewButton;        // 1005
  CMyBitmapButton ffButton;         // 1006
  CMyBitmapButton openButton;       // 1007
  CMyBitmapButton selectDirButton;  // 1010
  CMyBitmapButton deleteButton;     // 1008
  CMyBitmapButton mapButton;        // 1011
  CMyBitmapButton printButton;      // 1013
  CMyBitmapButton captureButton;    // 1015
  CMyBitmapButton saveButton;       // 1017
  CMyBitmapButton versionButton;    // 1014
  CMyBitmapButton settingButton;    // 1016
  CMyBitmapButton kmButton;         // 1072
  CMyBitmapButton mileButton;       // 1073
  // The video host: the frame the video screen lies over (control 1051).
  platform::Window videoHostFrame;

 protected:
  bool OnInitDialog() override;
  void OnClose() override;
  bool PreTranslateKey(platform::Key key) override;
  platform::HitTest OnHitTest(platform::Point) override { return platform::HitTest::Caption; }
  bool OnEraseBackground(platform::DrawContext& dc) override;
  void OnPaint(platform::DrawContext& dc) override;

 private:
  void PlaceButtons();
  void DrawMinimisedIcon(platform::DrawContext& dc);
};
