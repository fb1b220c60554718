#include "app/zelvik_player_app.h"

#include "app/config_path.h"
#include "app/zelvik_player_dlg.h"
#include "platform/system_info.h"

CZelvikPlayerApp theApp;

int CZelvikPlayerApp::InitInstance(const std::string& startArgument) {
  platform::SetApplicationName("ZelvikPlayer");
  configPath = DeriveConfigPath(platform::ProgramPath());
  CZelvikPlayerDlg dialog;
  dialog.startArgument = startArgument;
  dialog.DoModal(nullptr);
  return 0;
}
