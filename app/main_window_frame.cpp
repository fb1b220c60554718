// The main window as a window: its skin, the close sequence, keys, dragging and
// the minimised look.
#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"

CZelvikPlayerDlg::~CZelvikPlayerDlg() { Destroy(); }

bool CZelvikPlayerDlg::PreTranslateKey(platform::Key key) {
  // Enter and Escape would end the dialog; the player closes only by its close button.
  return key == platform::Key::Enter || key == platform::Key::Escape;
}

void CZelvikPlayerDlg::OnClose() {
  KillTimer(TIMER_TICK);
  if (videoScreen) videoScreen->Show(false);
  if (graphPanel) graphPanel->Show(false);
  if (videoScreen) {
    videoScreen->Close();
    videoScreen.reset();
  }
  clipList.reset();
  Dialog::OnClose();
}

bool CZelvikPlayerDlg::OnEraseBackground(platform::DrawContext& dc) {
  if (backgroundBitmap != nullptr) dc.Copy(0, 0, 999, 780, *backgroundBitmap);
  if (graphPanel && graphBackgroundBitmap != nullptr) graphPanel->GetDC().Copy(0, 0, 340, 166, *graphBackgroundBitmap);
  if (videoScreen && videoScreen->mediaControl && videoScreen->windowlessControl)
    videoScreen->windowlessControl->RepaintVideo();
  DrawCaption(dc);
  return true;
}

void CZelvikPlayerDlg::OnPaint(platform::DrawContext& dc) {
  if (IsMinimized()) {
    DrawMinimisedIcon(dc);
    return;
  }
  PlaybackClock.graphNeedsRedraw = 1;
  // One tick soon redraws the panel that the erase has cleared.
  if (videoScreen && videoScreen->state != CScreenDlg::Playing) SetTimer(TIMER_REPAINT_TICK, 10);
}

void CZelvikPlayerDlg::DrawMinimisedIcon(platform::DrawContext& dc) {
  platform::Size client = ClientSize();
  int x = (client.width - appIcon.Width() + 1) / 2;
  int y = (client.height - appIcon.Height() + 1) / 2;
  dc.Copy(x, y, appIcon.Width(), appIcon.Height(), appIcon);
}
