// The media graph: rendering a clip, run, pause and stop, positions and seeks,
// rate, the end of the stream, the pictures drawn into the video window and the
// current image. The clips are made here with the demo card's encoder; every
// picture carries the band that names its second, so "the picture of second N"
// reads the same on both backends.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "platform/backend.h"
#include "platform/media_graph.h"
#include "tests/contract/contract_test.h"
#include "tools/card/clip_encoder.h"
#include "tools/card/frame_signature.h"

namespace {

using platform::MediaGraph;

constexpr platform::MessageId kNotify = 0x040D;
constexpr int kClipSeconds = 4;
constexpr int kClipFps = 10;
constexpr int kLongWaitMs = 10000;

// The second named by the band of a top-down picture whose first row is at
// `pixels` (the stride may be negative for pictures stored bottom-up).
std::optional<int> SecondOf(const std::uint8_t* pixels, int width, int height, int stride) {
  return card::ReadFrameSignature(pixels, width, height, stride);
}

std::optional<int> SecondOf(const platform::Bitmap& picture) {
  return SecondOf(picture.Bytes(), picture.Width(), picture.Height(), picture.Stride());
}

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

class MediaGraphContract : public ContractTest {
 protected:
  static void SetUpTestSuite() {
    char folder[] = "/tmp/zelvik-media-contract-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    dir_ = folder;
    card::PlannedClip clip;
    clip.seconds = kClipSeconds;
    clip.startOfDay = 8 * 3600;
    ASSERT_EQ(card::EncodeClip(Clip(), clip, kClipFps), "");
    std::ofstream(Garbage(), std::ios::binary) << std::string(4096, '\x5a') << "RIFF not really";
  }
  static void TearDownTestSuite() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  static std::string Clip() { return dir_ + "/NOR_0001_20261210_080000.avi"; }
  static std::string Garbage() { return dir_ + "/NOR_0002_20261210_080100.avi"; }

  void SetUp() override {
    ContractTest::SetUp();
    screen.background = platform::Rgb(10, 20, 30);
    ASSERT_TRUE(screen.CreateTopLevel(nullptr, {60, 60, 601, 350}));
    ShowAndWait(screen);
    graph = platform::CreateMediaGraph();
    ASSERT_NE(graph, nullptr);
    graph->SetVideoWindow(&screen);
    graph->SetNotifyWindow(&screen, kNotify);
  }
  void TearDown() override {
    graph.reset();
    screen.Destroy();
    ContractTest::TearDown();
  }

  void Render() { ASSERT_TRUE(graph->RenderFile(Clip())); }

  std::optional<int> SecondInWindow() const { return SecondOf(screen.Surface()); }
  std::optional<int> SecondInImage() {
    std::vector<std::uint8_t> dib = graph->CurrentImage();
    if (dib.size() < 40) return std::nullopt;
    const int width = static_cast<int>(Le32(dib, 4)), height = static_cast<int>(Le32(dib, 8));
    if (dib.size() != 40 + static_cast<std::size_t>(width) * height * 4) return std::nullopt;
    // The last stored row is the top of the picture.
    const int rowBytes = width * 4;
    return SecondOf(dib.data() + 40 + static_cast<std::size_t>(height - 1) * rowBytes, width, height, -rowBytes);
  }
  bool WaitForSecondInWindow(int second) {
    return WaitFor([&] { return SecondInWindow() == second; }, kLongWaitMs);
  }
  int Notifications() const { return screen.Count("message " + std::to_string(kNotify)); }
  static double Now() { return static_cast<double>(platform::CurrentBackend().NowMs()) / 1000.0; }

  static inline std::string dir_;
  RecordingWindow screen{"screen"};
  std::unique_ptr<MediaGraph> graph;
};

TEST_F(MediaGraphContract, AMadeClipRendersWithItsLengthAndPictureSize) {
  EXPECT_EQ(graph->StopTime(), 0.0);
  Render();
  EXPECT_NEAR(graph->StopTime(), kClipSeconds, 0.05);
  EXPECT_EQ(graph->CurrentPosition(), 0.0);
  platform::Size size;
  EXPECT_TRUE(WaitFor([&] { return graph->NativeVideoSize(size); }));
  EXPECT_EQ(size, (platform::Size{800, 480}));
  // Like a stopped renderer, it shows nothing until it runs, pauses or seeks.
  D().RunFor(300);
  EXPECT_EQ(screen.Surface().Pixel(300, 175), screen.background);
  EXPECT_TRUE(graph->CurrentImage().empty());
  graph->Pause();
  EXPECT_TRUE(WaitForSecondInWindow(0));
}

TEST_F(MediaGraphContract, RunAdvancesPauseHoldsAndStopKeepsThePositionAndThePicture) {
  Render();
  graph->Run();
  ASSERT_TRUE(WaitFor([&] { return graph->CurrentPosition() >= 1.0; }, kLongWaitMs));
  EXPECT_TRUE(SecondInWindow().has_value());

  graph->Pause();
  D().RunFor(200);
  const double paused = graph->CurrentPosition();
  D().RunFor(600);
  EXPECT_NEAR(graph->CurrentPosition(), paused, 0.01);
  EXPECT_LT(paused, kClipSeconds - 0.5);

  graph->Run();
  ASSERT_TRUE(WaitFor([&] { return graph->CurrentPosition() >= paused + 0.5; }, kLongWaitMs));
  graph->Stop();
  D().RunFor(200);
  const double stopped = graph->CurrentPosition();
  EXPECT_GT(stopped, paused);
  D().RunFor(600);
  EXPECT_NEAR(graph->CurrentPosition(), stopped, 0.01);
  // The last picture stays on screen and in the current image.
  const std::optional<int> shown = SecondInWindow();
  ASSERT_TRUE(shown.has_value());
  EXPECT_NEAR(*shown, stopped, 1.0);
  EXPECT_EQ(SecondInImage(), shown);
}

TEST_F(MediaGraphContract, ASeekWhileStoppedOrPausedShowsThePictureOfThatSecond) {
  Render();
  // Right after rendering the graph is stopped; then paused; then stopped after running.
  struct Step {
    const char* before;
    double seconds;
    int picture;
  } steps[] = {{"", 2.0, 2}, {"pause", 3.5, 3}, {"pause", 1.0, 1}, {"run", 0.0, 0}, {"", 3.0, 3}};
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.before) + " then seek to " + std::to_string(step.seconds));
    if (std::string(step.before) == "pause") graph->Pause();
    if (std::string(step.before) == "run") {
      graph->Run();
      D().RunFor(300);
      graph->Stop();
    }
    graph->SetCurrentPosition(step.seconds);
    // Asked for is where it is, even while the graph is still getting there.
    EXPECT_NEAR(graph->CurrentPosition(), step.seconds, 0.01);
    ASSERT_TRUE(WaitForSecondInWindow(step.picture)) << "shows " << SecondInWindow().value_or(-1);
    EXPECT_NEAR(graph->CurrentPosition(), step.seconds, 0.06);
    EXPECT_EQ(SecondInImage(), step.picture);
  }
  // The screen shows what the window holds, scaled to its 601 x 350 pixels.
  EXPECT_TRUE(WaitFor([&] { return SecondOf(D().ScreenPixels(screen)) == 3; }));
}

TEST_F(MediaGraphContract, PicturesAreDrawnIntoTheDestinationRectangle) {
  Render();
  graph->SetVideoPosition({0, 0, 800, 480}, {0, 175, 601, 175});
  graph->Pause();
  graph->SetCurrentPosition(2.0);
  const platform::Bitmap& surface = screen.Surface();
  const auto lowerHalfSecond = [&] {
    return SecondOf(surface.Bytes() + 175 * surface.Stride(), surface.Width(), 175, surface.Stride());
  };
  ASSERT_TRUE(WaitFor([&] { return lowerHalfSecond() == 2; }, kLongWaitMs));
  // The upper half is the window's own.
  EXPECT_EQ(surface.Pixel(300, 20), screen.background);
  EXPECT_EQ(surface.Pixel(300, 170), screen.background);

  screen.Invalidate(true);  // erased: the picture is gone until repainted
  ASSERT_TRUE(WaitFor([&] { return surface.Pixel(300, 300) == screen.background; }));
  graph->RepaintVideo();
  EXPECT_EQ(lowerHalfSecond(), 2);
}

TEST_F(MediaGraphContract, RateTwoPlaysInHalfTheTime) {
  Render();
  graph->Run();
  graph->SetRate(2.0);
  ASSERT_TRUE(WaitFor([&] { return graph->CurrentPosition() > 0.2; }, kLongWaitMs));
  const double startPosition = graph->CurrentPosition(), startTime = Now();
  D().RunFor(1200);
  const double played = graph->CurrentPosition() - startPosition, took = Now() - startTime;
  ASSERT_GT(took, 0.0);
  // Exact on virtual time; loose on a real clock that a busy machine may stall.
  EXPECT_NEAR(played / took, 2.0, D().VirtualTime() ? 0.01 : 0.5);
}

TEST_F(MediaGraphContract, TheEndOfTheStreamIsAnnouncedOnceForEveryTimeItIsReached) {
  Render();
  graph->SetCurrentPosition(3.0);
  graph->Run();
  ASSERT_TRUE(WaitFor([&] { return Notifications() >= 1; }, kLongWaitMs));
  D().RunFor(500);
  EXPECT_EQ(Notifications(), 1);
  long code = 0;
  ASSERT_TRUE(graph->GetEvent(code));
  EXPECT_EQ(code, MediaGraph::kEventComplete);
  EXPECT_FALSE(graph->GetEvent(code));

  // Rewound and run again, the clip ends again.
  graph->Stop();
  graph->SetCurrentPosition(3.2);
  graph->Run();
  ASSERT_TRUE(WaitFor([&] { return Notifications() >= 2; }, kLongWaitMs));
  EXPECT_TRUE(graph->GetEvent(code));
  EXPECT_FALSE(graph->GetEvent(code));
}

TEST_F(MediaGraphContract, AFileThatCannotBeRenderedLeavesAGraphThatShowsNothing) {
  for (const std::string& path : {Garbage(), dir_ + "/missing.avi", std::string()}) {
    SCOPED_TRACE(path);
    auto empty = platform::CreateMediaGraph();
    empty->SetVideoWindow(&screen);
    empty->SetNotifyWindow(&screen, kNotify);
    EXPECT_FALSE(empty->RenderFile(path));
    EXPECT_EQ(empty->StopTime(), 0.0);
    empty->SetRate(2.0);
    empty->SetVolume(-5000);
    empty->Run();
    empty->SetCurrentPosition(1.0);
    D().RunFor(300);
    empty->Pause();
    empty->Stop();
    empty->RepaintVideo();
    EXPECT_EQ(empty->CurrentPosition(), 0.0);
    EXPECT_EQ(empty->StopTime(), 0.0);
    EXPECT_TRUE(empty->CurrentImage().empty());
    platform::Size size;
    EXPECT_FALSE(empty->NativeVideoSize(size));
    long code = 0;
    EXPECT_FALSE(empty->GetEvent(code));
    EXPECT_EQ(screen.Surface().Pixel(300, 175), screen.background);
  }
  EXPECT_EQ(Notifications(), 0);
}

TEST_F(MediaGraphContract, TheCurrentImageIsABottomUpDibOfTheClipsSize) {
  Render();
  graph->Pause();
  graph->SetCurrentPosition(1.0);
  ASSERT_TRUE(WaitForSecondInWindow(1));
  std::vector<std::uint8_t> dib = graph->CurrentImage();
  ASSERT_EQ(dib.size(), 40u + 800u * 480u * 4u);
  EXPECT_EQ(Le32(dib, 0), 40u);   // header size
  EXPECT_EQ(Le32(dib, 4), 800u);  // width
  EXPECT_EQ(Le32(dib, 8), 480u);  // height: positive, rows bottom-up
  EXPECT_EQ(dib[12] | dib[13] << 8, 1);   // planes
  EXPECT_EQ(dib[14] | dib[15] << 8, 32);  // bits per pixel
  EXPECT_EQ(Le32(dib, 16), 0u);           // uncompressed
  EXPECT_EQ(Le32(dib, 20), 800u * 480u * 4u);
  // The band at the top of the picture is in the last stored rows, not the first.
  EXPECT_EQ(SecondInImage(), 1);
  EXPECT_EQ(SecondOf(dib.data() + 40, 800, 480, 800 * 4), std::nullopt);
}

TEST_F(MediaGraphContract, WindowsAndGraphsMayGoWhileTheClipRuns) {
  Render();
  graph->Run();
  ASSERT_TRUE(WaitFor([&] { return graph->CurrentPosition() > 0.3; }, kLongWaitMs));
  screen.Destroy();  // the pictures and the end now reach nobody
  graph->SetCurrentPosition(3.5);
  D().RunFor(1000);
  long code = 0;
  EXPECT_TRUE(WaitFor([&] { return graph->GetEvent(code); }, kLongWaitMs));
  graph->RepaintVideo();
  EXPECT_FALSE(graph->CurrentImage().empty());

  auto second = platform::CreateMediaGraph();
  RecordingWindow other{"other"};
  ASSERT_TRUE(other.CreateTopLevel(nullptr, {60, 60, 200, 120}, true));
  second->SetVideoWindow(&other);
  ASSERT_TRUE(second->RenderFile(Clip()));
  second->Run();
  ASSERT_TRUE(WaitFor([&] { return second->CurrentPosition() > 0.3; }, kLongWaitMs));
  second.reset();  // while pictures are on their way
  D().RunFor(300);
}

}  // namespace
