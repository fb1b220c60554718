// Makes a small demo card with the real maker and reads it back the way the
// player does: data files, recinfo.bin and the clips' pictures.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recordings/recording_data.h"
#include "recordings/recording_kinds.h"
#include "tools/card/card_plan.h"
#include "tools/card/clip_frames.h"
#include "tools/card/frame_signature.h"

namespace {

namespace fs = std::filesystem;

// Runs the maker with `arguments`; its output goes to `log`. Leak checking is off
// for the child: a short-lived tool's leaks are not what these tests look at.
int RunMaker(const std::string& arguments, const fs::path& log) {
  const std::string command =
      "ASAN_OPTIONS=detect_leaks=0 '" ZELVIK_MAKE_CARD "' " + arguments + " >'" + log.string() + "' 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

int SectorOf(int course) { return course >= 338 ? 7 : (course + 22) / 45; }

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

class DemoCardTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new fs::path(fs::temp_directory_path() / ("zelvik-demo-card-" + std::to_string(::getpid())));
    fs::remove_all(*root_);
    fs::create_directories(*root_);
    options_ = {6, 4, 4};
    exitCode_ = RunMaker("'" + Card().string() + "' --clips 6 --fps 4 --seconds 4 --jobs 2", *root_ / "maker.log");
    clips_ = new std::vector<card::PlannedClip>(card::PlanCard(options_));
  }
  static void TearDownTestSuite() {
    fs::remove_all(*root_);
    delete root_;
    delete clips_;
  }
  void SetUp() override { ASSERT_EQ(exitCode_, 0) << ReadAll(*root_ / "maker.log"); }
  void TearDown() override { RecordingTrack = {}; }

  static fs::path Card() { return *root_ / "card"; }
  static std::string Dcim() { return (Card() / "DCIM").string(); }

  static inline fs::path* root_ = nullptr;
  static inline card::CardOptions options_;
  static inline int exitCode_ = -1;
  static inline std::vector<card::PlannedClip>* clips_ = nullptr;
};

TEST_F(DemoCardTest, LaysOutTheCardItReports) {
  const std::string log = ReadAll(*root_ / "maker.log");
  EXPECT_TRUE(fs::is_regular_file(Dcim() + "/recinfo.bin"));
  for (const card::PlannedClip& clip : *clips_) {
    SCOPED_TRACE(clip.clipName);
    EXPECT_NE(log.find(clip.clipName), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(clip.ClipPath(Dcim())));
    EXPECT_EQ(fs::exists(clip.DataPath(Dcim())), clip.hasDataFile);
  }
}

TEST_F(DemoCardTest, DataFilesLoadBackAsPlanned) {
  for (const card::PlannedClip& clip : *clips_) {
    SCOPED_TRACE(clip.clipName);
    LoadRecordingData(DataFilePathFor(clip.ClipPath(Dcim())));
    if (!clip.hasDataFile) {
      EXPECT_EQ(RecordingTrack.loaded, 0);
      continue;
    }
    const card::PlannedDrive plan = card::PlanDrive(clip.MakeDrive());
    ASSERT_EQ(RecordingTrack.loaded, 1);
    ASSERT_EQ(RecordingTrack.gpsCount, clip.seconds);
    ASSERT_EQ(RecordingTrack.gsensorCount, 2 * clip.seconds);
    for (int s = 0; s < clip.seconds; ++s) {
      const GpsSample& read = RecordingTrack.gps[s];
      const card::PlannedGps& meant = plan.gps[s];
      EXPECT_EQ(read.fixStatus, static_cast<char16_t>(meant.status)) << s;
      EXPECT_EQ(std::u16string(read.latitudeText), Widen(meant.latitudeText)) << s;
      EXPECT_EQ(std::u16string(read.longitudeText), Widen(meant.longitudeText)) << s;
      EXPECT_EQ(read.speedKmh, meant.speedKmh) << s;
      EXPECT_EQ(read.headingSector, SectorOf(meant.courseDegrees)) << s;
    }
    for (int h = 0; h < 2 * clip.seconds; ++h) {
      EXPECT_EQ(RecordingTrack.gsensor[h].x, static_cast<float>(plan.gsensor[h].x)) << h;
      EXPECT_EQ(RecordingTrack.gsensor[h].y, static_cast<float>(plan.gsensor[h].y)) << h;
      EXPECT_EQ(RecordingTrack.gsensor[h].z, static_cast<float>(plan.gsensor[h].z)) << h;
    }
  }
}

TEST_F(DemoCardTest, RecInfoGivesEachListedClipItsKind) {
  std::array<std::uint8_t, kRecordingKindEntries> kinds{};
  ReadRecordingKindsFile(Dcim() + "/recinfo.bin", kinds);
  for (int folder = 0; folder < card::kClipFolders; ++folder) {
    // The rows as the clip list shows them: the folder's clips sorted by full path.
    std::vector<std::string> rows;
    for (const auto& entry : fs::directory_iterator(Dcim() + "/" + card::ClipFolderName(folder))) {
      if (entry.path().extension() == ".avi") rows.push_back(entry.path().string());
    }
    std::sort(rows.begin(), rows.end());
    ASSERT_FALSE(rows.empty());
    for (std::size_t row = 0; row < rows.size(); ++row) {
      const auto clip = std::find_if(clips_->begin(), clips_->end(),
                                     [&](const card::PlannedClip& c) { return c.ClipPath(Dcim()) == rows[row]; });
      ASSERT_NE(clip, clips_->end()) << rows[row];
      EXPECT_EQ(kinds[card::kRowsPerFolder * folder + row], static_cast<int>(clip->kind)) << rows[row];
    }
  }
}

TEST_F(DemoCardTest, ClipsAreMjpegAvisWithPcmSound) {
  for (const card::PlannedClip& clip : *clips_) {
    SCOPED_TRACE(clip.clipName);
    const std::string bytes = ReadAll(clip.ClipPath(Dcim()));
    ASSERT_GE(bytes.size(), 4096u);
    if (!clip.decodable) {
      EXPECT_NE(bytes.substr(0, 4), "RIFF");
      continue;
    }
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "AVI ");
    const std::size_t main = bytes.find("avih");
    ASSERT_NE(main, std::string::npos);
    EXPECT_EQ(Le32(bytes, main + 8 + 32), 800u);  // dwWidth
    EXPECT_EQ(Le32(bytes, main + 8 + 36), 480u);  // dwHeight
    EXPECT_EQ(Le32(bytes, main + 8 + 16), static_cast<std::uint32_t>(clip.seconds * options_.fps));  // frames
    EXPECT_NE(bytes.find("MJPG"), std::string::npos);
    const std::size_t audio = bytes.find("auds");
    ASSERT_NE(audio, std::string::npos);
    const std::size_t format = bytes.find("strf", audio);
    ASSERT_NE(format, std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(bytes[format + 8]), 1);  // WAVE_FORMAT_PCM
  }
}

TEST_F(DemoCardTest, EveryPictureCarriesItsSecond) {
  for (const card::PlannedClip& clip : *clips_) {
    SCOPED_TRACE(clip.clipName);
    std::string error;
    if (!clip.decodable) {
      EXPECT_FALSE(card::ReadClipFrame(clip.ClipPath(Dcim()), 0.5, 601, 350, &error).has_value());
      EXPECT_FALSE(error.empty());
      continue;
    }
    for (int second : {0, clip.seconds / 2, clip.seconds - 1}) {
      const auto frame = card::ReadClipFrame(clip.ClipPath(Dcim()), second + 0.5, 601, 350, &error);
      ASSERT_TRUE(frame.has_value()) << error;
      ASSERT_EQ(frame->width, 601);
      ASSERT_EQ(frame->height, 350);
      EXPECT_EQ(card::ReadFrameSignature(frame->pixels.data(), frame->width, frame->height, frame->stride), second);
    }
  }
}

TEST(DemoCardMaker, RefusesWhatItCannotDo) {
  const fs::path root = fs::temp_directory_path() / ("zelvik-card-args-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "DCIM");
  std::ofstream(root / "DCIM" / "keep.txt") << "an old card";
  const fs::path log = root.string() + ".log";
  const std::string card = "'" + root.string() + "'";

  for (const std::string& arguments : {std::string(""), card + " --clips 0", card + " --clips x", card + " --fps",
                                      card + " --seconds 61", card + " --jobs 0", card + " --colour red",
                                      card + " " + card, card}) {
    EXPECT_NE(RunMaker(arguments, log), 0) << arguments;
    EXPECT_FALSE(ReadAll(log).empty()) << arguments;  // says why
  }
  // Without --replace the old card stays untouched; with it the new card takes its place.
  EXPECT_TRUE(fs::exists(root / "DCIM" / "keep.txt"));
  EXPECT_EQ(RunMaker(card + " --replace --clips 1 --fps 1 --seconds 1", log), 0) << ReadAll(log);
  EXPECT_FALSE(fs::exists(root / "DCIM" / "keep.txt"));
  EXPECT_TRUE(fs::exists(root / "DCIM" / "recinfo.bin"));
  fs::remove_all(root);
  fs::remove(log);
}

}  // namespace
