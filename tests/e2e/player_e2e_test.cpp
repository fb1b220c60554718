// The real player on the real desktop: a small card made for the test, the
// player started from it, real clicks, and the screen read back.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "recordings/recording_data.h"
#include "tests/e2e/x_screen.h"
#include "tests/support/panel_reading.h"
#include "tools/card/card_writer.h"
#include "tools/card/frame_signature.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr platform::Point kFirstRow{28 + 200, 610 + 8};
constexpr platform::Point kPlayButton{416 + 31, 548 + 19};
constexpr platform::Point kRewButton{602 + 31, 548 + 19};
constexpr platform::Point kCloseButton{908 + 32, 10 + 16};
constexpr int kClipSeconds = 6;

// What the panel and the picture show at one moment.
struct Reading {
  std::optional<int> elapsed;        // seconds
  std::optional<int> speed;          // as the digits read
  std::optional<int> pictureSecond;  // from the picture's own band
};

// A number from digits read off the screen; none while any is unreadable.
std::optional<int> Number(const std::string& digits) {
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

Reading Read(const platform::Bitmap& shot) {
  Reading reading;
  std::string time = panel_reading::ElapsedTimeText(shot);  // "mm:ss"
  std::optional<int> minutes = Number(time.substr(0, 2)), seconds = Number(time.substr(3, 2));
  if (minutes && seconds && time[2] == ':') reading.elapsed = *minutes * 60 + *seconds;
  reading.speed = Number(panel_reading::SpeedText(shot));
  platform::Bitmap video(601, 350);
  for (int y = 0; y < 350; ++y)
    for (int x = 0; x < 601; ++x) video.SetPixel(x, y, shot.Pixel(19 + x, 68 + y));
  reading.pictureSecond = card::ReadFrameSignature(video.Bytes(), 601, 350, video.Stride());
  return reading;
}

class PlayerEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(screen.Open()) << "no X display";
    dir = fs::temp_directory_path() / ("zelvik-e2e-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ostringstream report;
    ASSERT_EQ(card::MakeCard(dir.string(), {6, 10, kClipSeconds}, 2, report), "") << report.str();
    fs::copy_file(ZELVIK_PLAYER, dir / "zelvik-player");
    fs::permissions(dir / "zelvik-player", fs::perms::owner_exec, fs::perm_options::add);
    // The clips of the first folder, in the list's order.
    for (const auto& entry : fs::directory_iterator(dir / "DCIM" / "00000"))
      if (entry.path().extension() == ".avi") clips.push_back(entry.path().string());
    std::sort(clips.begin(), clips.end());

    std::string program = (dir / "zelvik-player").string();
    std::string folder = (dir / "DCIM" / "00000").string();
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
    env.emplace_back("ZELVIK_ANSWER_MESSAGE_BOXES=1");
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char* argv[] = {program.data(), folder.data(), nullptr};
    ASSERT_EQ(posix_spawn(&player, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    for (int i = 0; i < 300 && !origin; ++i) {
      origin = screen.FindWindow("Zelvik Player");
      if (!origin) std::this_thread::sleep_for(100ms);
    }
    ASSERT_TRUE(origin.has_value()) << "the main window did not show";
    std::this_thread::sleep_for(500ms);
  }

  void TearDown() override {
    if (player > 0) {
      if (origin) screen.Click(At(kCloseButton));
      int status = 0;
      bool ended = false;
      for (int i = 0; i < 100 && !ended; ++i) {
        ended = ::waitpid(player, &status, WNOHANG) == player;
        if (!ended) std::this_thread::sleep_for(100ms);
      }
      EXPECT_TRUE(ended) << "the close button did not end the player";
      if (!ended) {
        ::kill(player, SIGKILL);
        ::waitpid(player, &status, 0);
      }
    }
    fs::remove_all(dir);
  }

  platform::Point At(platform::Point client) const { return {origin->x + client.x, origin->y + client.y}; }
  platform::Bitmap Shot() { return screen.Capture({origin->x, origin->y, 999, 780}); }

  // Watches the screen for a while: how many readings were whole, and how many
  // of those agreed with the clip's data file at the second the picture shows.
  std::pair<int, int> Agreement(const std::string& clip, std::chrono::milliseconds span) {
    LoadRecordingData(DataFilePathFor(clip));
    int whole = 0, agreeing = 0;
    auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
      Reading r = Read(Shot());
      if (r.elapsed && r.speed && r.pictureSecond) {
        ++whole;
        int p = *r.pictureSecond;
        // The panel follows the picture within a tick: one second either way.
        bool timeAgrees = std::abs(*r.elapsed - p) <= 1;
        bool speedAgrees = false;
        for (int s = std::max(p - 1, 0); s <= std::min(p + 1, kGpsCapacity - 1); ++s)
          speedAgrees = speedAgrees || RecordingTrack.gps[s].speedKmh == *r.speed;
        if (timeAgrees && speedAgrees) ++agreeing;
      }
      std::this_thread::sleep_for(150ms);
    }
    return {whole, agreeing};
  }

  x_screen::Display screen;
  fs::path dir;
  std::vector<std::string> clips;
  pid_t player = 0;
  std::optional<platform::Point> origin;
};

TEST_F(PlayerEndToEnd, ThePanelFollowsThePictureAndPlaybackRunsOnFromTheLastClipToTheFirst) {
  ASSERT_EQ(clips.size(), 3u);
  screen.Click(At(kFirstRow));
  std::this_thread::sleep_for(700ms);
  EXPECT_EQ(Read(Shot()).pictureSecond, 0) << "a click on a row shows the clip's first picture";
  screen.Click(At(kPlayButton));
  std::this_thread::sleep_for(1500ms);
  auto [whole, agreeing] = Agreement(clips[0], 3s);
  EXPECT_GE(whole, 5);
  EXPECT_GE(agreeing, whole - 2) << "most readings agree with the data file";

  // The previous clip of the first is the last; it plays to its end and the first follows.
  screen.Click(At(kRewButton));
  std::this_thread::sleep_for(1500ms);
  Reading onLast = Read(Shot());
  ASSERT_TRUE(onLast.pictureSecond.has_value());
  std::this_thread::sleep_for(std::chrono::seconds(kClipSeconds - *onLast.pictureSecond + 1));
  auto [wholeAfter, agreeingAfter] = Agreement(clips[0], 2s);
  EXPECT_GE(wholeAfter, 3);
  EXPECT_GE(agreeingAfter, wholeAfter - 1);
  Reading later = Read(Shot());
  ASSERT_TRUE(later.pictureSecond.has_value());
  EXPECT_LT(*later.pictureSecond, kClipSeconds - 1) << "a clip started again from its beginning";
}

}  // namespace
