#include "app/zelvik_player_app.h"
#include "platform/backend.h"

int main(int argc, char** argv) {
  platform::InstallBackend(platform::CreateDesktopBackend(argc, argv));
  // One optional argument: a folder to list, or a clip to play.
  int status = theApp.InitInstance(argc > 1 ? argv[1] : "");
  platform::InstallBackend(nullptr);
  return status;
}
