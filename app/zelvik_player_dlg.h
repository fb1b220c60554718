#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <vector>

#include "controls/bitmap_slider.h"
#include "controls/my_bitmap_button.h"
#include "platform/dialog.h"
#include "platform/raster/bitmap.h"

class CListDlg;
class CScreenDlg;
class MapFollower;

// The main player window: the skin, every button and slider, the video screen,
// the instrument panel and the clip list. One header; the behaviour is split by
// concern over the app/main_window_*.cpp files.
class CZelvikPlayerDlg : public platform::Dialog {
 public:
  CZelvikPlayerDlg();
  ~CZelvikPlayerDlg() override;

  // The button with the given control id, or null.
  CMyBitmapButton* ButtonById(int id);

  // Instrument panel drawing (each call draws straight onto its window).
  void RedrawWholeGraph();
  void StepGraph();
  void DrawCompass();
  void DrawSpeed();
  void DrawElapsedTime(int seconds);
  // One run of the playback clock: follows the media position with every display.
  void RunTick();

  std::unique_ptr<CScreenDlg> videoScreen;
  std::unique_ptr<CScreenDlg> graphPanel;
  std::unique_ptr<CScreenDlg> speedPanel;
  std::unique_ptr<CScreenDlg> headingPanel;
  std::unique_ptr<CListDlg> clipList;
  // The map view that follows the clip, when there is one.
  MapFollower* mapFollower = nullptr;

  // Skins and panel pictures, loaded in set-up.
  const platform::Bitmap* backgroundBitmap = nullptr;
  const platform::Bitmap* graphBackgroundBitmap = nullptr;
  const platform::Bitmap* graphCaptionBitmap = nullptr;
  std::uint8_t mileMode = 0;
  std::int32_t reverseStep = 0;
  std::int32_t clipLengthCode = 0;
  // The last picture grabbed from the video, as a packed device-independent bitmap.
  std::vector<std::uint8_t> capturedImage;
  platform::Bitmap appIcon;
  bool networkAvailable = false;

  // The faces of the transport's shared places (play/pause, BackPlay/BackPause).
  enum class Faces { Playing, Paused, Backward };
  void ShowTransportFaces(Faces faces);

  // A folder or a clip given to the program to start with.
  std::string startArgument;

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
  CBitmapSlider volumeSlider;  // 1018
  CBitmapSlider speedSlider;   // 1019
  CBitmapSlider seekSlider;    // 1020

 protected:
  bool OnInitDialog() override;
  void OnClose() override;
  bool PreTranslateKey(platform::Key key) override;
  platform::HitTest OnHitTest(platform::Point) override { return platform::HitTest::Caption; }
  bool OnEraseBackground(platform::DrawContext& dc) override;
  void OnPaint(platform::DrawContext& dc) override;
  void OnTimer(int id) override;
  void OnCommand(int controlId) override;
  platform::LParam OnMessage(platform::MessageId id, platform::WParam w, platform::LParam l) override;

 private:
  void PlaceButtons();
  void PlaceSliders();
  void CreatePanels();
  void DrawMinimisedIcon(platform::DrawContext& dc);
  void DrawCaption(platform::DrawContext& dc);
  void DrawGraphSegment(platform::DrawContext& dc, int sample);
  void DrawGraphValues(int sample);
  int GraphStep() const;
  void OnSliderDragging(int sliderId);
  void OnClipEnded();
  void OnClipOpened(int row);
  void OpenStartArgument();
  // Player commands.
  void PlayCommand();
  void PauseCommand();
  void StopCommand();
  void BackPlayCommand();
  void BackPauseCommand();
  void StepClipCommand(bool next);
  void SwitchUnits(bool miles);
};
