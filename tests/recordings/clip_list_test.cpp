#include "recordings/clip_list_dlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "platform/headless/headless_list_view.h"
#include "playback/screen_dlg.h"
#include "tests/support/player_fixture.h"

namespace fs = std::filesystem;

namespace {

using GraphState = platform::headless::HeadlessMediaGraph::State;

class ClipListTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    StartPlayer();
  }
  platform::headless::HeadlessListView& View() { return *Backend().ListViews().front(); }
  std::string Folder(const std::string& name) { return (card / "DCIM" / name).string() + "/"; }
  // A recinfo.bin with one word per entry, kind in the top two bits.
  void WriteRecinfo(const std::vector<int>& kinds) {
    fs::create_directories(card / "DCIM");
    std::ofstream out(card / "DCIM" / "recinfo.bin", std::ios::binary);
    out << std::string(12, '\0');
    for (int kind : kinds) {
      int word = kind << 14;
      out.put(static_cast<char>(word & 0xFF));
      out.put(static_cast<char>(word >> 8));
    }
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int row = 0; row < View().RowCount(); ++row) names.push_back(View().Text(row, 2));
    return names;
  }
  void ClickRow(int row) { Click(View().View(), View().RowCentre(row)); }
  void DoubleClickRow(int row) { DoubleClick(View().View(), View().RowCentre(row)); }
  // A folder of three 60-second clips.
  void ListThreeClips() {
    for (const char* name : {"NOR_0001_20261210_083000.avi", "NOR_0002_20261210_083100.avi", "NOR_0003_20261210_083200.avi"})
      MakeClip(std::string("DCIM/00000/") + name, 60.3);
    List().ListFolder(Folder("00000"));
  }
  std::string OpenPath() { return Graph().Path(); }
};

TEST_F(ClipListTest, AFolderIsListedWithDatesKindsAndNamesInPathOrder) {
  MakeClip("DCIM/00003/b_0001_20090115_1.avi", 10);
  MakeClip("DCIM/00003/B_0002_2009011_1.avi", 10);
  MakeClip("DCIM/00003/a_0003_20090116_1.AVI", 10);
  MakeClip("DCIM/00003/notes.txt", 10);
  fs::create_directories(card / "DCIM" / "00003" / "folder.avi");
  std::vector<int> kinds(200, 0);
  kinds[180] = 1;  // row 0 of folder 3
  kinds[181] = 3;
  kinds[182] = 2;
  WriteRecinfo(kinds);
  List().ListFolder(card.string() + "/DCIM/00003");
  EXPECT_EQ(List().folderPath, Folder("00003"));
  EXPECT_EQ(currentFolder, Folder("00003"));
  EXPECT_EQ(List().folderNumber, 3);
  // Upper-case letters sort before lower-case ones.
  EXPECT_EQ(Names(), (std::vector<std::string>{"B_0002_2009011_1.avi", "a_0003_20090116_1.AVI", "b_0001_20090115_1.avi"}));
  EXPECT_EQ(View().Image(0), 1);
  EXPECT_EQ(View().Image(1), 3);
  EXPECT_EQ(View().Image(2), 2);
  EXPECT_EQ(View().Text(1, 1), "2009.01.16");
  EXPECT_EQ(List().itemCount, 3);
}

TEST_F(ClipListTest, TheRootFolderReadsNoKindsAndHighFolderNumbersHaveNone) {
  EXPECT_EQ(List().folderPath, "/");
  EXPECT_EQ(currentFolder, "/");
  WriteRecinfo(std::vector<int>(3000, 2));
  MakeClip("DCIM/00050/NOR_0001_20261210_083000.avi", 10);
  MakeClip("DCIM/00049/NOR_0001_20261210_083000.avi", 10);
  List().ListFolder(Folder("00049"));
  EXPECT_EQ(View().Image(0), 2);
  List().ClearList();
  List().ListFolder(Folder("00050"));  // rows 3000 and on: beyond the table
  EXPECT_EQ(View().Image(0), 0);
}

TEST_F(ClipListTest, ARelativeFolderIsListedFromWhereTheProgramStands) {
  MakeClip("DCIM/00000/A.avi", 10);
  fs::current_path(card);
  List().ListFolder("DCIM/00000");
  EXPECT_EQ(Names(), std::vector<std::string>{"A.avi"});
  EXPECT_EQ(List().folderPath, Folder("00000"));
}

TEST_F(ClipListTest, AFolderListedTwiceListsEachClipTwiceSideBySide) {
  MakeClip("DCIM/00000/A.avi", 10);
  MakeClip("DCIM/00000/C.avi", 10);
  List().ListFolder(Folder("00000"));
  List().ListFolder(Folder("00000"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A.avi", "A.avi", "C.avi", "C.avi"}));
}

TEST_F(ClipListTest, AClickOpensTheClipWithItsFirstPictureAndItsKind) {
  MakeClip("DCIM/00000/PRK_0001_20261210_083000.avi", 120.3);
  WriteRecinfo({3});
  List().ListFolder(Folder("00000"));
  ClickRow(0);
  Advance(100);
  EXPECT_EQ(List().selectedIndex, 0);
  EXPECT_EQ(player->clipLengthCode, 3);
  EXPECT_EQ(Engine().state, CScreenDlg::Stopped);
  EXPECT_EQ(Graph().ShownSecond(), 0);
  EXPECT_TRUE(Engine().IsVisible());
  EXPECT_TRUE(player->playButton.IsVisible());
  EXPECT_FALSE(player->pauseButton.IsVisible());
  // A second click on the open row does nothing.
  std::size_t graphs = Backend().MediaGraphs().size();
  ClickRow(0);
  EXPECT_EQ(Backend().MediaGraphs().size(), graphs);
}

TEST_F(ClipListTest, ADoubleClickPreviewsTheRowThenPlaysIt100MsLater) {
  ListThreeClips();
  DoubleClickRow(1);
  EXPECT_EQ(List().selectedIndex, 1);
  EXPECT_EQ(List().pendingPlay, 1);
  EXPECT_EQ(Graph().CurrentState(), GraphState::Running);  // the preview runs
  Advance(50);
  EXPECT_EQ(Engine().state, CScreenDlg::Stopped);          // the preview has ended
  EXPECT_DOUBLE_EQ(Graph().CurrentPosition(), 0.0);
  Advance(50);
  EXPECT_EQ(Engine().state, CScreenDlg::Playing);
  EXPECT_EQ(List().pendingPlay, 0);
  EXPECT_TRUE(Backend().TimerRuns(*player, TIMER_TICK));
  EXPECT_TRUE(player->pauseButton.IsVisible());
  EXPECT_NE(OpenPath().find("NOR_0002"), std::string::npos);
}

TEST_F(ClipListTest, NextAndPreviousWrapAroundTheList) {
  ListThreeClips();
  List().OpenNextClip();  // nothing selected: nothing happens
  EXPECT_TRUE(Backend().MediaGraphs().empty());
  ClickRow(2);
  Click(player->ffButton);
  EXPECT_EQ(View().SelectedRow(), 0);
  EXPECT_NE(OpenPath().find("NOR_0001"), std::string::npos);
  EXPECT_EQ(Engine().state, CScreenDlg::Playing);
  Click(player->rewButton);
  EXPECT_EQ(View().SelectedRow(), 2);
  EXPECT_NE(OpenPath().find("NOR_0003"), std::string::npos);
}

TEST_F(ClipListTest, PlaybackRunsOnFromTheLastClipIntoTheFirst) {
  ListThreeClips();
  ClickRow(2);
  Advance(100);
  Click(player->playButton);
  Advance(61000);
  EXPECT_EQ(View().SelectedRow(), 0);
  EXPECT_NE(OpenPath().find("NOR_0001"), std::string::npos);
  EXPECT_EQ(Engine().state, CScreenDlg::Playing);
  EXPECT_TRUE(Backend().TimerRuns(*player, TIMER_TICK));
}

TEST_F(ClipListTest, ClearingTheListLeavesThePlayingClipPlaying) {
  ListThreeClips();
  ClickRow(0);
  Advance(100);
  Click(player->playButton);
  Click(player->deleteButton);
  EXPECT_EQ(View().RowCount(), 0);
  EXPECT_TRUE(List().records.empty());
  EXPECT_EQ(List().selectedIndex, -1);
  EXPECT_EQ(List().folderPath, "");
  Advance(1000);
  EXPECT_EQ(Engine().state, CScreenDlg::Playing);
  std::size_t graphs = Backend().MediaGraphs().size();
  Click(player->ffButton);
  Click(player->rewButton);
  EXPECT_EQ(Backend().MediaGraphs().size(), graphs);
}

TEST_F(ClipListTest, AListedFileThatIsGoneOpensNothing) {
  ListThreeClips();
  fs::remove(card / "DCIM" / "00000" / "NOR_0002_20261210_083100.avi");
  ClickRow(0);
  Advance(100);
  ClickRow(1);
  EXPECT_EQ(List().selectedIndex, 1);
  EXPECT_FALSE(Engine().IsVisible());
  EXPECT_FALSE(Engine().HasMediaControl());
}

TEST_F(ClipListTest, TheFolderChooserStartsAtTheLastFolderAndACancelChangesNothing) {
  ListThreeClips();
  ClickRow(0);
  Backend().Choosers().AnswerNextFolder(std::nullopt);
  Click(player->selectDirButton);
  ASSERT_EQ(Backend().Choosers().Requests().size(), 1u);
  EXPECT_EQ(Backend().Choosers().Requests()[0].title, "Select Folder");
  EXPECT_EQ(Backend().Choosers().Requests()[0].startFolder, Folder("00000"));
  EXPECT_EQ(List().selectedIndex, -1);
  EXPECT_EQ(View().RowCount(), 3);
  MakeClip("DCIM/00001/NOR_0009_20261210_090000.avi", 10);
  Backend().Choosers().AnswerNextFolder((card / "DCIM" / "00001").string());
  Click(player->selectDirButton);
  EXPECT_EQ(View().RowCount(), 4);
  EXPECT_EQ(fs::current_path(), card / "DCIM" / "00001");
}

TEST_F(ClipListTest, OpeningAFileAddsItAndPlaysIt) {
  ListThreeClips();
  std::string clip = MakeClip("elsewhere/A_0001_21001231_1.avi", 10);
  Backend().Choosers().AnswerNextFile(clip);
  Click(player->openButton);
  const auto& request = Backend().Choosers().Requests().back();
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].name, "AVI Files(*.avi)");
  EXPECT_EQ(request.filters[1].pattern, "*.*");
  EXPECT_EQ(View().RowCount(), 4);
  // Its row in path order; the date of the open command goes up to 2999.
  int row = 0;
  while (row < 4 && View().Text(row, 2) != "A_0001_21001231_1.avi") ++row;
  ASSERT_LT(row, 4);
  EXPECT_EQ(View().Text(row, 1), "2100.12.31");
  EXPECT_EQ(View().SelectedRow(), row);
  EXPECT_EQ(OpenPath(), clip);
  EXPECT_EQ(Engine().state, CScreenDlg::Playing);
  EXPECT_TRUE(player->pauseButton.IsVisible());
}

}  // namespace
