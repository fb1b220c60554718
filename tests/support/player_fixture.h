#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/zelvik_player_dlg.h"
#include "platform/headless/headless_media_graph.h"
#include "tests/support/headless_fixture.h"

class CScreenDlg;
class CListDlg;

// One second of a test recording's data file.
struct GpsLine {
  char status = 'A';
  std::string latitude = "37.392049";
  std::string longitude = "126.958955";
  int speed = 0;
  int course = 0;
};

// One half second of a test recording's data file.
struct GLine {
  double x = 0, y = 0, z = 0;
};

// The player on the simulated desktop: a card folder of its own (with the
// program and its config.sys), the main window as the program starts it, clips
// that the simulated media graph can open, and readers of what the panel shows.
class PlayerTest : public HeadlessTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the main window's set-up as the program does, without the modal run.
  CZelvikPlayerDlg& StartPlayer();
  // The same, through the program's own start, with the modal run: `whileRunning`
  // acts once the window runs and ends the run (e.g. with the close button).
  int RunProgram(std::function<void(CZelvikPlayerDlg&)> whileRunning);
  // The same, started with a folder or clip argument.
  int RunProgramWith(const std::string& argument, std::function<void(CZelvikPlayerDlg&)> whileRunning);

  // A clip file the media graph can open: an AVI header with its length and size.
  std::string MakeClip(const std::string& relativePath, double seconds, int width = 800, int height = 480);
  // The data file the player looks for beside a clip.
  void WriteDataFile(const std::string& clipPath, const std::vector<GpsLine>& gps, const std::vector<GLine>& gsensor);
  // A file the media graph cannot render.
  std::string MakeBrokenClip(const std::string& relativePath);

  CScreenDlg& Engine();
  CListDlg& List();
  // The media graph of the open clip.
  platform::headless::HeadlessMediaGraph& Graph();
  // Opens a clip as a click on the list would (first picture, stopped at 0).
  void OpenByClick(const std::string& clipPath, int kind = 0);

  // What the screen shows: the elapsed time ("mm:ss") and the speed digits
  // ("057"), read by matching the digit bitmaps; '?' where no digit matches.
  std::string ElapsedTimeOnScreen();
  std::string SpeedOnScreen();
  // True when the compass panel shows the picture of `sector` (0 N to 7 NW).
  bool CompassShows(int sector);
  platform::Colour GraphPixel(int x, int y);

  std::filesystem::path card;
  std::unique_ptr<CZelvikPlayerDlg> player;
};
