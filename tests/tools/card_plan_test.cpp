#include "tools/card/card_plan.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "recordings/recording_data.h"

namespace {

using card::ClipKind;

// KKK_NNNN_20261210_HHMMSS.avi: kind, number, date, time.
bool LooksLikeCameraName(const std::string& name) {
  const std::string pattern = "KKK_9999_20261210_999999.avi";
  if (name.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (pattern[i] == '9' ? !digit : pattern[i] != 'K' && pattern[i] != name[i]) return false;
  }
  return true;
}

int SectorOf(int course) { return course >= 338 ? 7 : (course + 22) / 45; }

TEST(PlannedDrive, DrivesLikeTheDemoNeeds) {
  for (ClipKind kind : {ClipKind::Normal, ClipKind::GSensorEvent, ClipKind::Button}) {
    SCOPED_TRACE(static_cast<int>(kind));
    const card::Drive drive(kind, 1, 60);
    const card::PlannedDrive plan = card::PlanDrive(drive);
    ASSERT_EQ(plan.gps.size(), 60u);
    ASSERT_EQ(plan.gsensor.size(), 120u);

    // Speed rises from a standstill to about 100 km/h and falls again.
    const auto fastest = std::max_element(plan.gps.begin(), plan.gps.end(),
                                          [](const auto& a, const auto& b) { return a.speedKmh < b.speedKmh; });
    EXPECT_EQ(plan.gps.front().speedKmh, 0);
    EXPECT_GE(fastest->speedKmh, 90);
    EXPECT_LE(fastest->speedKmh, 110);
    EXPECT_LE(plan.gps.back().speedKmh, 15);
    for (const auto& gps : plan.gps) EXPECT_GE(gps.speedKmh, 0);

    // One stretch without fix, and every compass sector while the fix holds.
    std::set<int> sectors;
    int noFix = 0, stretches = 0;
    for (std::size_t s = 0; s < plan.gps.size(); ++s) {
      const auto& gps = plan.gps[s];
      if (gps.status == 'V') {
        ++noFix;
        if (s == 0 || plan.gps[s - 1].status != 'V') ++stretches;
        EXPECT_TRUE(gps.latitudeText.empty());
      } else {
        EXPECT_EQ(gps.status, 'A');
        sectors.insert(SectorOf(gps.courseDegrees));
      }
    }
    EXPECT_EQ(stretches, 1);
    EXPECT_GE(noFix, 3);
    EXPECT_EQ(sectors.size(), 8u);

    // Starts near the map centre.
    EXPECT_NEAR(std::stod(plan.gps.front().latitudeText), card::kHomeLatitude, 0.05);
    EXPECT_NEAR(std::stod(plan.gps.front().longitudeText), card::kHomeLongitude, 0.05);

    // Only the G-sensor event brakes hard.
    const auto hardest = std::min_element(plan.gsensor.begin(), plan.gsensor.end(),
                                          [](const auto& a, const auto& b) { return a.y < b.y; });
    if (kind == ClipKind::GSensorEvent) {
      EXPECT_LE(hardest->y, -0.9);
      EXPECT_NEAR((hardest - plan.gsensor.begin()) / 2, drive.BrakingSecond(), 2);
    } else {
      EXPECT_GT(hardest->y, -0.4);
    }
  }
}

TEST(PlannedDrive, ParkedCarStandsStill) {
  const card::PlannedDrive plan = card::PlanDrive(card::Drive(ClipKind::Parking, 3, 120));
  ASSERT_EQ(plan.gps.size(), 120u);
  ASSERT_EQ(plan.gsensor.size(), 240u);
  for (const auto& gps : plan.gps) {
    EXPECT_EQ(gps.status, 'A');
    EXPECT_EQ(gps.speedKmh, 0);
    EXPECT_EQ(gps.latitudeText, plan.gps.front().latitudeText);
  }
}

TEST(CardPlan, DefaultCardHoldsEveryKindOfClip) {
  const std::vector<card::PlannedClip> clips = card::PlanCard({});
  ASSERT_GE(clips.size(), 6u);
  std::set<ClipKind> kinds;
  std::set<int> folders;
  int parking = 0, withoutData = 0, undecodable = 0;
  for (const card::PlannedClip& clip : clips) {
    SCOPED_TRACE(clip.clipName);
    kinds.insert(clip.kind);
    folders.insert(clip.folder);
    EXPECT_TRUE(LooksLikeCameraName(clip.clipName));
    EXPECT_EQ(clip.clipName.substr(0, 3), card::KindPrefix(clip.kind));
    EXPECT_EQ(clip.seconds, clip.kind == ClipKind::Parking ? 120 : 60);
    parking += clip.kind == ClipKind::Parking;
    withoutData += !clip.hasDataFile;
    undecodable += !clip.decodable;
    // The player finds each data file from its clip's path.
    EXPECT_EQ(DataFilePathFor(clip.ClipPath("/media/card/DCIM")), clip.DataPath("/media/card/DCIM"));
  }
  EXPECT_EQ(kinds.size(), 4u);
  EXPECT_EQ(folders, (std::set<int>{0, 1}));
  EXPECT_EQ(parking, 1);
  EXPECT_EQ(withoutData, 1);
  EXPECT_EQ(undecodable, 1);
}

TEST(CardPlan, RejectsOptionsOutOfRange) {
  const std::pair<card::CardOptions, bool> cases[] = {
      {{8, 15, 60}, true},   {{1, 1, 1}, true},    {{120, 60, 60}, true}, {{0, 15, 60}, false},
      {{121, 15, 60}, false}, {{8, 0, 60}, false}, {{8, 61, 60}, false}, {{8, 15, 0}, false},
      {{8, 15, 61}, false},
  };
  for (const auto& [options, sound] : cases) {
    EXPECT_EQ(card::CheckOptions(options).empty(), sound)
        << options.clips << " clips, " << options.fps << " fps, " << options.seconds << " s";
  }
}

}  // namespace
