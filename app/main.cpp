#include "app/zelvik_player_app.h"
#include "platform/backend.h"

int main(int argc, char** argv) {
  platform::InstallBackend(platform::CreateDesktopBackend(argc, argv));
  int status = theApp.InitInstance();
  platform::InstallBackend(nullptr);
  return status;
}
