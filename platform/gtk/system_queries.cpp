#include "platform/gtk/system_queries.h"

#include <gio/gio.h>

#include <filesystem>
#include <system_error>

namespace platform::gtk {

std::string RunningProgramPath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

bool NetworkFullyConnected() {
  GNetworkMonitor* monitor = g_network_monitor_get_default();
  return monitor != nullptr && g_network_monitor_get_connectivity(monitor) == G_NETWORK_CONNECTIVITY_FULL;
}

void NameApplication(const std::string& name) {
  g_set_prgname(name.c_str());
  g_set_application_name(name.c_str());
}

}  // namespace platform::gtk
