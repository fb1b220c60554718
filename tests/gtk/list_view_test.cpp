// The list view on the desktop: its rows on the screen, real clicks and double
// clicks on them, and its rows and selection as the program reads them back.

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/gtk/gtk_list_view.h"
#include "platform/list_view.h"
#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

using platform::Bitmap;
using platform::Colour;
using platform::Point;
using platform::Rect;
using platform::Rgb;

constexpr Colour kMask = Rgb(192, 192, 192);
constexpr Colour kRed = Rgb(220, 20, 20);
constexpr Colour kBlue = Rgb(20, 20, 220);
constexpr Colour kTileColour = Rgb(0, 90, 0);
constexpr Colour kTileMark = Rgb(255, 0, 255);
constexpr Colour kText = Rgb(98, 171, 204);
constexpr Colour kSelection = Rgb(51, 153, 255);
constexpr Rect kTopBounds{100, 100, 338, 142};

// A 17 x 17 icon: a disc of `colour` on the mask colour.
Bitmap Disc(Colour colour) {
  Bitmap icon(17, 17, kMask);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      if ((x - 8) * (x - 8) + (y - 8) * (y - 8) <= 49) icon.SetPixel(x, y, colour);
  return icon;
}

struct EventRecorder : platform::ListViewEvents {
  std::vector<std::string> log;
  std::function<void()> onClick;
  void OnRowClicked(int row) override {
    log.push_back("click " + std::to_string(row));
    if (onClick) onClick();
  }
  void OnRowDoubleClicked(int row) override { log.push_back("double " + std::to_string(row)); }
};

int Count(const Bitmap& screen, Rect area, const std::function<bool(Colour)>& matches) {
  int count = 0;
  for (int y = area.y; y < area.Bottom(); ++y)
    for (int x = area.x; x < area.Right(); ++x)
      if (matches(screen.Pixel(x, y))) ++count;
  return count;
}

std::function<bool(Colour)> Is(Colour wanted) {
  return [wanted](Colour c) { return c == wanted; };
}

std::function<bool(Colour)> Near(Colour wanted, int tolerance) {
  return [=](Colour c) {
    return std::abs(platform::RedOf(c) - platform::RedOf(wanted)) <= tolerance &&
           std::abs(platform::GreenOf(c) - platform::GreenOf(wanted)) <= tolerance &&
           std::abs(platform::BlueOf(c) - platform::BlueOf(wanted)) <= tolerance;
  };
}

// The toolkit's complaints (a call on a widget that is gone, a bad argument) fail the test.
void FailOnComplaint(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer) {
  ADD_FAILURE() << domain << ": " << message;
}

constexpr auto kComplaints = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);

class ListViewTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    for (const char* domain : {"Gtk", "Gdk", "GLib-GObject", "GLib"})
      logHandlers.emplace_back(domain, g_log_set_handler(domain, kComplaints, FailOnComplaint, nullptr));
    ASSERT_TRUE(top.CreateTopLevel(nullptr, kTopBounds, true));
    list = platform::CreateListView(top, {0, 0, kTopBounds.width, kTopBounds.height}, events);
    list->SetColumnWidths({42, 76, 200});
    list->SetImages({Disc(kRed), Disc(kBlue)}, kMask);
    Bitmap tile(10, 10, kTileColour);
    tile.SetPixel(0, 0, kTileMark);
    list->SetBackgroundPicture(tile);
    list->SetTextColour(kText);
    list->SetBackgroundColour(Rgb(80, 80, 119));
  }
  void TearDown() override {
    list.reset();
    top.Destroy();
    DesktopTest::TearDown();
    for (const auto& [domain, id] : logHandlers) g_log_remove_handler(domain, id);
  }

  void Fill(const std::vector<int>& images) {
    list->DeleteAllRows();
    for (int row = 0; row < static_cast<int>(images.size()); ++row) {
      list->InsertRow(row, images[row]);
      list->SetText(row, 1, "2009.01.15");
      list->SetText(row, 2, "NOR_0001_20090115_12345" + std::to_string(row) + ".avi");
    }
  }

  void Show() {
    real_display::Pump();
    real_display::WaitForFrame(top);
    real_display::WaitForFrame(top);
  }

  // The rows' area of `row`, in the list's own coordinates.
  Rect RowArea(int row) {
    GtkTreeView* view = dynamic_cast<platform::gtk::GtkListView&>(*list).View();
    GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
    GdkRectangle area{};
    gtk_tree_view_get_background_area(view, path, nullptr, &area);
    gtk_tree_path_free(path);
    int x = 0, y = 0;
    gtk_tree_view_convert_bin_window_to_widget_coords(view, 0, area.y, &x, &y);
    return {0, y, 318, area.height};
  }

  Point OnScreen(Point inList) { return {kTopBounds.x + inList.x, kTopBounds.y + inList.y}; }

  void Click(Point inList) {
    real_display::MovePointer(OnScreen(inList));
    real_display::LeftButton(true);
    real_display::LeftButton(false);
  }

  RecordingWindow top{"top"};
  EventRecorder events;
  std::unique_ptr<platform::ListView> list;
  std::vector<std::pair<const char*, guint>> logHandlers;
};

TEST_F(ListViewTest, RowsShowTheirIconsAndTextsOverTheTiledPictureAndTheSelectedRowStandsOut) {
  Fill({0, 1, 0});
  list->SelectRow(1);
  Show();
  Bitmap screen = real_display::ReadScreen(kTopBounds);

  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    Rect area = RowArea(row);
    ASSERT_GE(area.height, 17);
    Rect icon{0, area.y, 42, area.height};
    Colour own = row == 1 ? kBlue : kRed, other = row == 1 ? kRed : kBlue;
    EXPECT_GT(Count(screen, icon, Is(own)), 100);
    EXPECT_EQ(Count(screen, icon, Is(other)), 0);
    EXPECT_EQ(Count(screen, icon, Is(kMask)), 0) << "the mask colour is transparent";
    Rect name{118, area.y, 200, area.height};
    if (row == 1) {
      EXPECT_GT(Count(screen, {0, area.y, 318, area.height}, Is(kSelection)), 318 * area.height / 2);
    } else {
      EXPECT_GT(Count(screen, name, Near(kText, 40)), 20) << "the name in the text colour";
      EXPECT_GT(Count(screen, name, Is(kTileColour)), 200 * area.height / 2) << "the picture shows through";
      EXPECT_EQ(Count(screen, {0, area.y, 318, area.height}, Is(kSelection)), 0);
    }
  }
  // Below the rows the picture repeats from the list's corner.
  int below = RowArea(2).Bottom() + 10;
  for (int y = below - below % 10; y + 10 < kTopBounds.height; y += 10)
    for (int x = 0; x < 300; x += 10) {
      EXPECT_EQ(screen.Pixel(x, y), kTileMark) << x << "," << y;
      EXPECT_EQ(screen.Pixel(x + 1, y + 1), kTileColour) << x << "," << y;
    }
}

TEST_F(ListViewTest, ARealClickReportsOneClickWithItsRowAndSelectsIt) {
  Fill({0, 1, 0});
  Show();
  struct Case {
    const char* what;
    int row;  // -1: the empty space below the rows
    int x;
    int selected;
  } cases[] = {
      {"second row", 1, 160, 1},
      {"first row, on its icon", 0, 20, 0},
      {"third row, right of the columns", 2, 330, 2},
      {"empty space", -1, 160, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    events.log.clear();
    int y = c.row >= 0 ? RowArea(c.row).y + RowArea(c.row).height / 2 : RowArea(2).Bottom() + 20;
    Click({c.x, y});
    EXPECT_TRUE(real_display::RunUntil([&] { return !events.log.empty(); }, 2000));
    real_display::RunFor(50);
    EXPECT_EQ(events.log, std::vector<std::string>{"click " + std::to_string(c.row)});
    EXPECT_EQ(list->SelectedRow(), c.selected);
    real_display::RunFor(500);  // no double click with the next case
  }
}

TEST_F(ListViewTest, ARealDoubleClickReportsAClickThenADoubleClickAndNoSecondClick) {
  Fill({0, 1, 0});
  Show();
  for (bool onRow : {true, false}) {
    SCOPED_TRACE(onRow ? "on a row" : "on empty space");
    events.log.clear();
    Rect area = RowArea(1);
    Point at = onRow ? Point{160, area.y + area.height / 2} : Point{160, RowArea(2).Bottom() + 20};
    Click(at);
    Click(at);
    real_display::RunUntil([&] { return events.log.size() >= 2; }, 2000);
    real_display::RunFor(100);
    std::string row = onRow ? "1" : "-1";
    EXPECT_EQ(events.log, (std::vector<std::string>{"click " + row, "double " + row}));
    EXPECT_EQ(list->SelectedRow(), 1);
    real_display::RunFor(500);
  }
}

TEST_F(ListViewTest, RowsTextsImagesAndTheSelectionReadBackAsSet) {
  list->InsertRow(0, 1);
  list->InsertRow(99, 0);  // beyond the end: appended
  list->InsertRow(1, 3);
  list->SetText(0, 2, "a.avi");
  list->SetText(0, 1, "2009.1.5");
  list->SetText(2, 1, "bad \xff byte");
  list->SetText(5, 1, "no such row");
  list->SetText(0, 0, "no text in the image column");
  EXPECT_EQ(list->RowCount(), 3);
  EXPECT_EQ(list->Image(0), 1);
  EXPECT_EQ(list->Image(1), 3);
  EXPECT_EQ(list->Image(2), 0);
  EXPECT_EQ(list->Image(3), -1);
  EXPECT_EQ(list->Text(0, 1), "2009.1.5");
  EXPECT_EQ(list->Text(0, 2), "a.avi");
  EXPECT_EQ(list->Text(2, 1), "bad \xEF\xBF\xBD byte");
  EXPECT_EQ(list->Text(1, 1), "");
  EXPECT_EQ(list->Text(0, 0), "");
  EXPECT_EQ(list->Text(0, 7), "");

  EXPECT_EQ(list->SelectedRow(), -1);
  list->SelectRow(1);
  EXPECT_EQ(list->SelectedRow(), 1);
  list->SelectRow(7);  // no such row: the selection stays
  EXPECT_EQ(list->SelectedRow(), 1);
  list->InsertRow(0, 2);  // the selected row moves down with its clip
  EXPECT_EQ(list->SelectedRow(), 2);
  list->DeleteAllRows();
  EXPECT_EQ(list->RowCount(), 0);
  EXPECT_EQ(list->SelectedRow(), -1);
  EXPECT_EQ(list->Text(0, 1), "");

  // Selecting scrolls the least that shows the row, at once; in rows just
  // refilled, not laid out yet, as soon as they are.
  Fill(std::vector<int>(300, 0));
  list->SelectRow(250);
  Show();
  GtkTreeView* view = dynamic_cast<platform::gtk::GtkListView&>(*list).View();
  GtkAdjustment* scroll = gtk_scrollable_get_vadjustment(GTK_SCROLLABLE(view));
  double h = RowArea(0).height, page = gtk_adjustment_get_page_size(scroll);
  ASSERT_GT(h, 0);
  EXPECT_EQ(gtk_adjustment_get_value(scroll), 251 * h - page) << "the row at the bottom";
  struct {
    int row;
    double value;
  } steps[] = {{247, 251 * h - page}, {100, 100 * h}, {101, 100 * h}, {0, 0}};
  for (const auto& step : steps) {
    list->SelectRow(step.row);
    EXPECT_EQ(list->SelectedRow(), step.row);
    EXPECT_EQ(gtk_adjustment_get_value(scroll), step.value) << step.row;
  }
}

// The clip list refills its rows, or goes, from its click handler.
TEST_F(ListViewTest, TheClickHandlerMayRefillOrDestroyTheList) {
  Fill({0, 1, 0});
  Show();
  events.onClick = [&] {
    Fill(std::vector<int>(40, 1));
    list->SelectRow(30);
  };
  Rect area = RowArea(1);
  Point at{160, area.y + area.height / 2};
  Click(at);
  Click(at);
  real_display::RunUntil([&] { return events.log.size() >= 2; }, 2000);
  real_display::RunFor(100);
  EXPECT_EQ(events.log, (std::vector<std::string>{"click 1", "double 1"}));
  EXPECT_EQ(list->RowCount(), 40);
  EXPECT_EQ(list->SelectedRow(), 30);
  Show();

  real_display::RunFor(500);
  events.log.clear();
  Fill({0, 1, 0});
  Show();
  events.onClick = [&] { list.reset(); };
  Point first{160, RowArea(0).y + 5};
  Click(first);
  Click(first);
  real_display::RunUntil([&] { return !events.log.empty(); }, 2000);
  real_display::RunFor(200);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(events.log, std::vector<std::string>{"click 0"}) << "nothing is reported by a list that is gone";
}

// A dialog destroys its window before its members: the list outlives its widgets.
TEST_F(ListViewTest, AListWhoseParentWindowIsGoneKeepsItsRowsAndTouchesNoWidget) {
  Fill({0, 1, 0});
  list->SelectRow(1);
  Show();
  top.Destroy();
  real_display::Pump();
  list->DeleteAllRows();
  Fill({1, 0});
  list->SelectRow(1);
  list->Move({10, 10, 100, 50});
  list->SetColumnWidths({20, 30});
  list->Redraw();
  real_display::RunFor(50);
  EXPECT_EQ(list->RowCount(), 2);
  EXPECT_EQ(list->Image(0), 1);
  EXPECT_EQ(list->SelectedRow(), -1);
  list.reset();
}

}  // namespace
