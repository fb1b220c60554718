#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/card/planned_drive.h"

// What goes on a demo card: its clips, their folders, names, lengths and kinds,
// and the recinfo.bin that marks the kinds.

namespace card {

struct CardOptions {
  int clips = 8;
  int fps = 15;  // the default card encodes in well under a minute on two cores
  int seconds = 60;  // a parking clip lasts twice as long
};

inline constexpr int kClipFolders = 2;
inline constexpr int kRowsPerFolder = 60;  // recinfo.bin entries per clip folder
inline constexpr int kMaxClips = kClipFolders * kRowsPerFolder;
inline constexpr int kMaxSeconds = 60;     // a parking clip must fit the player's 120 seconds
inline constexpr int kMaxFps = 60;
inline constexpr int kFrameWidth = 800;
inline constexpr int kFrameHeight = 480;

struct PlannedClip {
  int index = 0;  // recording order, from 0; the name carries index + 1
  ClipKind kind = ClipKind::Normal;
  int folder = 0;      // DCIM/00000 or DCIM/00001
  int seconds = 0;
  int startOfDay = 0;  // seconds after midnight
  bool hasDataFile = true;
  bool decodable = true;
  std::string clipName;  // NOR_0001_20261210_083000.avi
  std::string dataName;  // dat_0001_20261210_083000.dat

  std::string FolderName() const;                     // "00000"
  std::string ClipPath(const std::string& dcim) const;  // dcim/00000/NOR_...avi
  std::string DataPath(const std::string& dcim) const;
  Drive MakeDrive() const { return Drive(kind, index, seconds); }
};

// The message of an option out of range, or empty when the options are sound.
std::string CheckOptions(const CardOptions& options);

// The clips in recording order. The first six are a normal clip, a G-sensor
// event, a button clip, a parking clip, a normal clip without data file and an
// undecodable one; any further clips are normal. The first half of them go to
// folder 00000, the rest to 00001.
std::vector<PlannedClip> PlanCard(const CardOptions& options);

// 12 header bytes, then one little-endian word per row of each folder: the kind
// in bits 15 and 14, the clip's number in the bits below. Entry 60n + r belongs
// to row r of folder n, its clips sorted by full path byte by byte.
std::vector<std::uint8_t> RecInfoBytes(const std::vector<PlannedClip>& clips);

const char* KindPrefix(ClipKind kind);  // "NOR", "EVT", "MAN", "PRK"
const char* KindName(ClipKind kind);    // "normal", "G-sensor event", "button", "parking"
std::string ClipFolderName(int folder);  // "00000", "00001"

}  // namespace card
