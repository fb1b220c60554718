#include "device/device_config.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "app/config_path.h"

DeviceConfig deviceConfig{};

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Whether something exists at the path; an answer we cannot get counts as yes,
// so that a file we merely cannot see is never replaced.
bool MayExist(const std::string& path) {
  std::error_code ec;
  std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
  if (ec) return ec != std::errc::no_such_file_or_directory;
  return std::filesystem::exists(status);
}

bool WriteAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  while (size > 0) {
    ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

void SetDeviceConfigDefaults(DeviceConfig& record) {
  std::memset(&record, 0, sizeof record);
  record.defaultsFlag = 1;
  record.autoMirror = 1;
  record.parkingMode = 1;
  record.timeZoneIndex = 28;  // "GMT +9:00"
  record.audioRecording = 1;
}

bool ReadDeviceConfigFile(DeviceConfig& record) {
  std::memset(&record, 0, sizeof record);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(configPath.c_str(), "rb"));
  if (!file) return false;
  DeviceConfig read{};
  std::size_t count = std::fread(&read, 1, sizeof read, file.get());
  if (count < sizeof read && std::ferror(file.get())) return false;
  std::memcpy(&record, &read, count);
  return true;
}

int LoadDeviceConfig() {
  if (ReadDeviceConfigFile(deviceConfig)) return 1;
  SetDeviceConfigDefaults(deviceConfig);
  if (MayExist(configPath)) return 0;
  return WriteDeviceConfigFile(deviceConfig) ? 1 : 0;
}

bool WriteDeviceConfigFile(const DeviceConfig& record) {
  std::filesystem::path target(configPath);
  std::string pattern = (target.parent_path() / (target.filename().string() + ".XXXXXX")).string();
  if (target.parent_path().empty()) pattern = target.filename().string() + ".XXXXXX";
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced; a new one gets the usual ones.
  struct stat old {};
  mode_t mode = 0;
  if (::stat(configPath.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);  // may fail on a card's FAT file system, which has no modes
  bool ok = WriteAll(fd, &record, sizeof record) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = std::rename(pattern.c_str(), configPath.c_str()) == 0;
  if (!ok) std::remove(pattern.c_str());
  return ok;
}

std::u16string ConfigText(const std::uint8_t (&field)[30]) {
  std::u16string text;
  for (int i = 0; i < 15; ++i) {
    char16_t unit = static_cast<char16_t>(field[2 * i] | (field[2 * i + 1] << 8));
    if (unit == 0) break;
    text += unit;
  }
  return text;
}
