// What the desktop shows of a top-level window besides its surface: its title and
// icon, and the owner it stays above; and the program's own path.

#include <filesystem>

#include "platform/system_info.h"
#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

using platform::Rgb;

class TopLevelWindowTest : public DesktopTest {};

TEST_F(TopLevelWindowTest, TakesItsTitleAndIconAndStaysAboveItsOwner) {
  RecordingWindow owner("owner"), owned("owned");
  ASSERT_TRUE(owner.CreateTopLevel(nullptr, {100, 100, 120, 80}, true));
  ASSERT_TRUE(owned.CreateTopLevel(&owner, {120, 120, 60, 40}, true));
  owner.SetTitle("ZelvikPlayer");
  platform::Bitmap icon(16, 8, Rgb(10, 20, 30));
  icon.SetPixel(3, 2, Rgb(250, 128, 1));
  owner.SetIcon(icon);

  GtkWindow* window = platform::gtk::GtkWindowOf(owner);
  EXPECT_STREQ(gtk_window_get_title(window), "ZelvikPlayer");
  EXPECT_EQ(gtk_window_get_transient_for(platform::gtk::GtkWindowOf(owned)), window);
  GdkPixbuf* shown = gtk_window_get_icon(window);
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(gdk_pixbuf_get_width(shown), 16);
  ASSERT_EQ(gdk_pixbuf_get_height(shown), 8);
  auto pixel = [&](int x, int y) {
    const guchar* p = gdk_pixbuf_get_pixels(shown) + y * gdk_pixbuf_get_rowstride(shown) + x * gdk_pixbuf_get_n_channels(shown);
    return Rgb(p[0], p[1], p[2]);
  };
  EXPECT_EQ(pixel(3, 2), Rgb(250, 128, 1));
  EXPECT_EQ(pixel(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(pixel(15, 7), Rgb(10, 20, 30));
}

TEST_F(TopLevelWindowTest, TheProgramPathIsTheRunningProgramsFullPath) {
  std::string path = platform::ProgramPath();
  EXPECT_TRUE(std::filesystem::path(path).is_absolute()) << path;
  EXPECT_EQ(std::filesystem::path(path).filename(), "gtk_tests");
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
  if (const char* build = std::getenv("ZELVIK_BUILD_DIR")) {
    EXPECT_TRUE(std::filesystem::equivalent(path, std::filesystem::path(build) / "tests" / "gtk_tests")) << path;
  }
}

}  // namespace
