#include "app/zelvik_player_dlg.h"
#include "platform/raster/draw.h"

CZelvikPlayerDlg::~CZelvikPlayerDlg() { Destroy(); }

bool CZelvikPlayerDlg::PreTranslateKey(platform::Key key) {
  // Enter and Escape would end the dialog; the player closes only by its close button.
  return key == platform::Key::Enter || key == platform::Key::Escape;
}

void CZelvikPlayerDlg::OnClose() { Dialog::OnClose(); }

bool CZelvikPlayerDlg::OnEraseBackground(platform::DrawContext& dc) {
  if (backgroundBitmap != nullptr) dc.Copy(0, 0, 999, 780, *backgroundBitmap);
  return true;
}

void CZelvikPlayerDlg::OnPaint(platform::DrawContext& dc) {
  if (IsMinimized()) DrawMinimisedIcon(dc);
}

void CZelvikPlayerDlg::DrawMinimisedIcon(platform::DrawContext& dc) {
  platform::Size client = ClientSize();
  int x = (client.width - appIcon.Width() + 1) / 2;
  int y = (client.height - appIcon.Height() + 1) / 2;
  dc.Copy(x, y, appIcon.Width(), appIcon.Height(), appIcon);
}
