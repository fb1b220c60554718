#include "tools/card/card_plan.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace card {
namespace {

constexpr int kFirstClipStart = 8 * 3600 + 30 * 60;  // 08:30:00

struct Role {
  ClipKind kind;
  bool hasDataFile;
  bool decodable;
};

constexpr std::array<Role, 6> kFirstRoles = {{
    {ClipKind::Normal, true, true},
    {ClipKind::GSensorEvent, true, true},
    {ClipKind::Button, true, true},
    {ClipKind::Parking, true, true},
    {ClipKind::Normal, false, true},
    {ClipKind::Normal, true, false},
}};

std::string ClipStem(const PlannedClip& clip) {
  const int t = clip.startOfDay % 86400;
  char stem[64];
  std::snprintf(stem, sizeof stem, "_%04d_%04d%02d%02d_%02d%02d%02d", clip.index + 1, kDriveYear, kDriveMonth,
                kDriveDay, t / 3600, t / 60 % 60, t % 60);
  return stem;
}

}  // namespace

const char* KindPrefix(ClipKind kind) {
  switch (kind) {
    case ClipKind::Normal: return "NOR";
    case ClipKind::GSensorEvent: return "EVT";
    case ClipKind::Button: return "MAN";
    case ClipKind::Parking: return "PRK";
  }
  return "NOR";
}

const char* KindName(ClipKind kind) {
  switch (kind) {
    case ClipKind::Normal: return "normal";
    case ClipKind::GSensorEvent: return "G-sensor event";
    case ClipKind::Button: return "button";
    case ClipKind::Parking: return "parking";
  }
  return "normal";
}

std::string ClipFolderName(int folder) {
  char name[16];
  std::snprintf(name, sizeof name, "%05d", folder);
  return name;
}

std::string PlannedClip::FolderName() const { return ClipFolderName(folder); }

std::string PlannedClip::ClipPath(const std::string& dcim) const { return dcim + "/" + FolderName() + "/" + clipName; }

std::string PlannedClip::DataPath(const std::string& dcim) const { return dcim + "/" + FolderName() + "/" + dataName; }

std::string CheckOptions(const CardOptions& options) {
  if (options.clips < 1 || options.clips > kMaxClips) {
    return "--clips must be 1 to " + std::to_string(kMaxClips) + " (60 rows in each of two folders)";
  }
  if (options.fps < 1 || options.fps > kMaxFps) return "--fps must be 1 to " + std::to_string(kMaxFps);
  if (options.seconds < 1 || options.seconds > kMaxSeconds) {
    return "--seconds must be 1 to " + std::to_string(kMaxSeconds) + " (a parking clip lasts twice as long)";
  }
  return {};
}

std::vector<PlannedClip> PlanCard(const CardOptions& options) {
  std::vector<PlannedClip> clips;
  const int firstFolderClips = (options.clips + 1) / 2;
  int start = kFirstClipStart;
  for (int i = 0; i < options.clips; ++i) {
    const Role role = i < static_cast<int>(kFirstRoles.size()) ? kFirstRoles[i] : Role{ClipKind::Normal, true, true};
    PlannedClip clip;
    clip.index = i;
    clip.kind = role.kind;
    clip.hasDataFile = role.hasDataFile;
    clip.decodable = role.decodable;
    clip.folder = i < firstFolderClips ? 0 : 1;
    clip.seconds = role.kind == ClipKind::Parking ? 2 * options.seconds : options.seconds;
    clip.startOfDay = start;
    const std::string stem = ClipStem(clip);
    clip.clipName = KindPrefix(clip.kind) + stem + ".avi";
    clip.dataName = "dat" + stem + ".dat";
    clips.push_back(clip);
    start += clip.seconds;
  }
  return clips;
}

std::vector<std::uint8_t> RecInfoBytes(const std::vector<PlannedClip>& clips) {
  std::vector<std::uint8_t> bytes = {'Z', 'E', 'L', 'V', 'I', 'K', 'R', 'E', 'C', 0, 1, 0};
  for (int folder = 0; folder < kClipFolders; ++folder) {
    std::vector<const PlannedClip*> rows;
    for (const PlannedClip& clip : clips) {
      if (clip.folder == folder) rows.push_back(&clip);
    }
    // The list sorts by full path; within one folder that is the file name.
    std::sort(rows.begin(), rows.end(), [](const PlannedClip* a, const PlannedClip* b) {
      return a->clipName < b->clipName;
    });
    if (folder == kClipFolders - 1 && rows.empty()) break;
    for (int row = 0; row < kRowsPerFolder; ++row) {
      unsigned word = 0;
      if (row < static_cast<int>(rows.size())) {
        word = static_cast<unsigned>(rows[row]->kind) << 14 | ((rows[row]->index + 1) & 0x3FFF);
      }
      bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(word >> 8));
    }
  }
  return bytes;
}

}  // namespace card
