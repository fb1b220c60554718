#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The camera's settings record, config.sys: 80 bytes exchanged with the device,
// so every offset and width is fixed. Texts other than the password are
// little-endian UTF-16, kept as bytes here (they are not aligned in the record).
struct DeviceConfig {
  std::uint8_t defaultsFlag;      // 0: 1 when written by the default writer
  std::int8_t sensitivityX;       // 1: G-sensor sensitivity 0 (min) to 6 (max)
  std::int8_t sensitivityY;       // 2
  std::int8_t sensitivityZ;       // 3
  std::uint8_t autoMirror;        // 4
  std::uint8_t parkingMode;       // 5
  std::uint8_t parkingTime;       // 6: 0 = 5, 1 = 10, otherwise 15 minutes
  std::uint8_t passwordEnabled;   // 7
  std::uint8_t password[10];      // 8: locale-encoded, zero-terminated, zero-padded
  std::int8_t timeZoneIndex;      // 18: index into the time-zone labels, 0 to 32
  std::uint8_t vehicleNumber[30]; // 19: 15 UTF-16LE units, zero-terminated
  std::uint8_t driverName[30];    // 49: 15 UTF-16LE units, zero-padded (no terminator at 15)
  std::uint8_t audioRecording;    // 79
};
static_assert(sizeof(DeviceConfig) == 80, "config.sys is exactly 80 bytes");
static_assert(offsetof(DeviceConfig, timeZoneIndex) == 18 && offsetof(DeviceConfig, vehicleNumber) == 19 &&
              offsetof(DeviceConfig, driverName) == 49 && offsetof(DeviceConfig, audioRecording) == 79);

// The program-wide settings, all zero until the first LoadDeviceConfig.
extern DeviceConfig deviceConfig;

void SetDeviceConfigDefaults(DeviceConfig& record);

// Zeroes the record, then reads up to 80 bytes of configPath into it (a shorter
// file leaves the rest zero). False when the file cannot be opened or read; the
// record is then all zero.
bool ReadDeviceConfigFile(DeviceConfig& record);

// Brings deviceConfig up to date with config.sys, creating the file with the
// defaults when there is none. Returns 1 when deviceConfig holds the file's
// contents or the freshly written defaults, 0 otherwise. A file that exists but
// cannot be read is left untouched (0); deviceConfig then holds the defaults.
int LoadDeviceConfig();

// Writes the whole record to configPath so that the old file is replaced only by
// a complete new one: a failure leaves the old file whole. Returns false on failure.
bool WriteDeviceConfigFile(const DeviceConfig& record);

// A UTF-16LE text field, up to its first zero unit or its end.
std::u16string ConfigText(const std::uint8_t (&field)[30]);
