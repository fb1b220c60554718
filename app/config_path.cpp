#include "app/config_path.h"

std::string configPath;

std::string DeriveConfigPath(const std::string& programPath) {
  std::size_t separator = programPath.rfind('/');
  std::string folder = separator == std::string::npos ? std::string() : programPath.substr(0, separator);
  return folder + "/" + "config.sys";
}
