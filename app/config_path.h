#pragma once

#include <string>

// The full path of the camera's config.sys: beside the program, on the card.
extern std::string configPath;

// The program's folder (everything before the last '/'; empty when there is
// none, or when the only one is the first character) followed by "/config.sys".
std::string DeriveConfigPath(const std::string& programPath);
