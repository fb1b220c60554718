#pragma once

#include <cstdint>
#include <string>

// The companion data file of a clip: one GPS line per second and one G-sensor
// line per half second, read into the program-wide tables below.

inline constexpr int kGpsCapacity = 120;      // seconds: the longest clip
inline constexpr int kGSensorCapacity = 240;  // half seconds
inline constexpr int kPositionTextUnits = 15; // 14 characters and a terminating zero

// One second of the clip.
struct GpsSample {
  char16_t longitudeText[kPositionTextUnits];
  char16_t latitudeText[kPositionTextUnits];
  std::int32_t speedKmh;
  std::uint8_t headingSector;  // 0 to 7: 45-degree sectors clockwise from north
  char16_t fixStatus;          // 'A' fix, 'V' no fix, 0 none
};

// One half second of the clip, in g.
struct GSensorSample {
  float x;
  float y;
  float z;
};

struct RecordingTables {
  GSensorSample gsensor[kGSensorCapacity];
  GpsSample gps[kGpsCapacity];
  std::int32_t gpsCount;
  std::int32_t gsensorCount;
  std::int32_t loaded;  // 1 when the last load could open its data file
};

// The tables of the open clip; all zero at start. A load overwrites entries from
// 0 upwards and leaves those at and beyond the new counts as they were.
extern RecordingTables RecordingTrack;

// The data file beside a clip: the first three bytes of the file name and the
// last three of the path become "dat" (/media/E/clips/abc123.avi gives
// /media/E/clips/dat123.dat). Empty when the path has no '/' after its first
// byte or the file name is shorter than three bytes.
std::string DataFilePathFor(const std::string& clipPath);

// Reads the data file into RecordingTrack. A file that cannot be opened leaves
// `loaded` 0, both counts 0 and the entries as they were.
void LoadRecordingData(const std::string& dataPath);
