#include <cstddef>
#include <filesystem>

#include "app/main_window_layout.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "device/device_config.h"
#include "map/network_check.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"

namespace {

constexpr int kAppIconId = 128;
constexpr int kSkinId = 131;
constexpr int kGraphBackgroundId = 312;
constexpr int kGraphCaptionId = 313;

}  // namespace

CZelvikPlayerDlg::CZelvikPlayerDlg() : Dialog(kMainWindowSize), appIcon(platform::LoadBitmapResource(kAppIconId)) {}

CMyBitmapButton* CZelvikPlayerDlg::ButtonById(int id) {
  CMyBitmapButton* buttons[] = {&miniButton,     &closeButton,     &playButton,   &pauseButton,  &backPlayButton,
                                &backPauseButton, &stopButton,     &rewButton,    &ffButton,     &openButton,
                                &selectDirButton, &deleteButton,   &mapButton,    &printButton,  &captureButton,
                                &saveButton,      &versionButton,  &settingButton, &kmButton,    &mileButton};
  static_assert(std::size(kMainWindowButtons) == 20);
  for (std::size_t i = 0; i < kMainWindowButtons.size(); ++i)
    if (kMainWindowButtons[i].id == id) return buttons[i];
  return nullptr;
}

bool CZelvikPlayerDlg::OnInitDialog() {
  SetIcon(appIcon);
  SetTitle("Zelvik Player");
  backgroundBitmap = &platform::LoadBitmapResource(kSkinId);
  Move({0, 0, kMainWindowSize.width, kMainWindowSize.height});
  graphBackgroundBitmap = &platform::LoadBitmapResource(kGraphBackgroundId);
  graphCaptionBitmap = &platform::LoadBitmapResource(kGraphCaptionId);

  PlaceButtons();
  videoHostFrame.CreateChild(*this, kVideoHostRect, kVideoHostId, true);
  PlaceSliders();
  CreatePanels();

  PlaybackClock.tickPeriodMs = 250;
  mileMode = 0;
  capturedImage.clear();
  reverseStep = 0;

  clipList = std::make_unique<CListDlg>(*this);
  clipList->CreateAsChild(*this, {28, 610, 338, 142}, 0, true);

  if (LoadDeviceConfig() == 0) {
    platform::MessageBox(this,
                         "CONFIGURATION FILE DOES NOT EXIST. PLEAE INSET SD CARD TO DEVICE TO RECOGNIZE.");
    SendClose();
    return true;
  }
  networkAvailable = CheckNetwork(this);
  OpenStartArgument();
  return true;
}

// A folder given at start is listed; a clip is listed and played, as the open command would.
void CZelvikPlayerDlg::OpenStartArgument() {
  if (startArgument.empty()) return;
  std::error_code ec;
  if (std::filesystem::is_directory(startArgument, ec)) {
    clipList->ListFolder(startArgument);
  } else if (std::filesystem::is_regular_file(startArgument, ec)) {
    clipList->OpenFile(startArgument);
  } else {
    platform::MessageBox(this, "Cannot open " + startArgument);
  }
}

void CZelvikPlayerDlg::PlaceButtons() {
  for (const ButtonPlace& place : kMainWindowButtons) {
    CMyBitmapButton* button = ButtonById(place.id);
    button->CreateChild(*this, place.rect, place.id, true);
    button->SetTitle(place.text);
    button->LoadButtonBitmaps(place.normal, place.hover, place.pressed);
    if (!place.shown) button->Show(false);
  }
  kmButton.Show(true);
}

void CZelvikPlayerDlg::PlaceSliders() {
  volumeSlider.CreateChild(*this, {66, 504, 108, 14}, 1018, true);
  volumeSlider.LoadChannelBitmaps(198, 196);
  volumeSlider.LoadThumbBitmaps();
  volumeSlider.SetRange(0, 100);
  volumeSlider.SetPos(50);
  volumeSlider.SetPageSize(10);

  speedSlider.CreateChild(*this, {240, 504, 108, 14}, 1019, true);
  speedSlider.LoadChannelBitmaps(198, 196);
  speedSlider.LoadThumbBitmaps();
  speedSlider.SetRange(0, 2);
  speedSlider.SetPos(1);

  // The seek bar keeps its own range until a clip sets it.
  seekSlider.CreateChild(*this, {422, 504, 296, 14}, 1020, true);
  seekSlider.LoadChannelBitmaps(200, 199);
  seekSlider.LoadThumbBitmaps();
}

void CZelvikPlayerDlg::CreatePanels() {
  videoScreen = std::make_unique<CScreenDlg>(*this);
  videoScreen->CreateAsChild(*this, kVideoHostRect);
  graphPanel = std::make_unique<CScreenDlg>(*this);
  graphPanel->CreateAsChild(*this, {398, 588, 340, 166});
  graphPanel->GetDC().Copy(0, 0, 340, 166, *graphBackgroundBitmap);
  speedPanel = std::make_unique<CScreenDlg>(*this);
  speedPanel->CreateAsChild(*this, {814, 513, 120, 54});
  headingPanel = std::make_unique<CScreenDlg>(*this);
  headingPanel->CreateAsChild(*this, {756, 601, 233, 161});
}
