#include <cstddef>

#include "app/main_window_layout.h"
#include "app/zelvik_player_dlg.h"
#include "device/device_config.h"
#include "map/network_check.h"
#include "platform/message_box.h"
#include "platform/resources.h"

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

  mileMode = 0;
  reverseStep = 0;

  if (LoadDeviceConfig() == 0) {
    platform::MessageBox(this,
                         "CONFIGURATION FILE DOES NOT EXIST. PLEAE INSET SD CARD TO DEVICE TO RECOGNIZE.");
    SendClose();
    return true;
  }
  networkAvailable = CheckNetwork(this);
  return true;
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
