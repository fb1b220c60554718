#include "map/network_check.h"

#include "platform/message_box.h"
#include "platform/system_info.h"

bool CheckNetwork(platform::Window* owner) {
  if (platform::IsOnline()) return true;
  platform::MessageBox(owner, "Check NETWORK OR INTERNET");
  return false;
}
