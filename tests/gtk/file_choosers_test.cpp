// The folder and open-file choosers on the desktop, answered through their own
// controls by the environment's answers (as end-to-end runs answer them).

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/file_choosers.h"
#include "platform/gtk/chooser_dialogs.h"
#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

namespace fs = std::filesystem;

struct OpenChooser {
  bool found = false;
  bool modal = false;
  GtkWindow* parent = nullptr;
  std::string title;
  GtkFileChooserAction action = GTK_FILE_CHOOSER_ACTION_OPEN;
  std::vector<std::string> filters;
  std::vector<std::string> accepted;  // by each filter, of the names below
};

constexpr const char* kNames[] = {"a.avi", "B.AVI", "c.Avi", "notes.txt", "README"};

// Notes the chooser on the screen once it is shown (it answers itself after that).
void NoteChooser(GtkWidget* dialog, gpointer data) {
  auto* chooser = static_cast<OpenChooser*>(data);
  chooser->found = true;
  chooser->modal = gtk_window_get_modal(GTK_WINDOW(dialog));
  chooser->parent = gtk_window_get_transient_for(GTK_WINDOW(dialog));
  chooser->title = gtk_window_get_title(GTK_WINDOW(dialog));
  chooser->action = gtk_file_chooser_get_action(GTK_FILE_CHOOSER(dialog));
  GSList* filters = gtk_file_chooser_list_filters(GTK_FILE_CHOOSER(dialog));
  for (GSList* f = filters; f != nullptr; f = f->next) {
    chooser->filters.push_back(gtk_file_filter_get_name(GTK_FILE_FILTER(f->data)));
    std::string accepted;
    for (const char* name : kNames) {
      GtkFileFilterInfo info{};
      info.contains = GTK_FILE_FILTER_DISPLAY_NAME;
      info.display_name = name;
      if (!gtk_file_filter_filter(GTK_FILE_FILTER(f->data), &info)) continue;
      accepted += (accepted.empty() ? "" : " ") + std::string(name);
    }
    chooser->accepted.push_back(accepted);
  }
  g_slist_free(filters);
}

gboolean WatchNewChooser(gpointer data) {
  GList* toplevels = gtk_window_list_toplevels();
  for (GList* it = toplevels; it != nullptr; it = it->next)
    if (GTK_IS_FILE_CHOOSER_DIALOG(it->data) && g_object_get_data(G_OBJECT(it->data), "noted") == nullptr) {
      g_object_set_data(G_OBJECT(it->data), "noted", GINT_TO_POINTER(1));
      NoteChooser(GTK_WIDGET(it->data), data);
    }
  g_list_free(toplevels);
  return G_SOURCE_CONTINUE;
}

class FileChoosersTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    folder = fs::temp_directory_path() / ("zelvik-choosers-" + std::to_string(::getpid()));
    fs::create_directories(folder / "DCIM" / "00003");
    std::ofstream(folder / "DCIM" / "00003" / "NOR_0001_20090115_123456.AVI") << "x";
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {100, 100, 200, 120}, true));
    watch = g_timeout_add(10, WatchNewChooser, &shown);
  }
  void TearDown() override {
    g_source_remove(watch);
    unsetenv("ZELVIK_ANSWER_FOLDER");
    unsetenv("ZELVIK_ANSWER_FILE");
    top.Destroy();
    fs::remove_all(folder);
    DesktopTest::TearDown();
  }

  fs::path folder;
  RecordingWindow top{"top"};
  OpenChooser shown;
  guint watch = 0;
};

TEST_F(FileChoosersTest, TheFolderChooserReturnsTheAnsweredFolderOrNothingWhenCancelled) {
  std::string clips = (folder / "DCIM" / "00003").string();
  setenv("ZELVIK_ANSWER_FOLDER", clips.c_str(), 1);
  testing::internal::CaptureStderr();
  std::optional<std::string> chosen = platform::ChooseFolder(&top, "Select Folder", (folder / "DCIM").string() + "/");
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(chosen, clips);
  EXPECT_NE(log.find("folder chooser: " + clips + "\n"), std::string::npos) << log;
  EXPECT_TRUE(shown.found);
  EXPECT_TRUE(shown.modal);
  EXPECT_EQ(shown.parent, platform::gtk::GtkWindowOf(top));
  EXPECT_EQ(shown.title, "Select Folder");
  EXPECT_EQ(shown.action, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER);

  setenv("ZELVIK_ANSWER_FOLDER", "cancel", 1);
  EXPECT_EQ(platform::ChooseFolder(&top, "Select Folder", "/"), std::nullopt);
}

TEST_F(FileChoosersTest, TheFileChooserOffersTheFiltersInOrderAndReturnsTheAnsweredFile) {
  std::string clip = (folder / "DCIM" / "00003" / "NOR_0001_20090115_123456.AVI").string();
  setenv("ZELVIK_ANSWER_FILE", clip.c_str(), 1);
  std::vector<platform::FileFilter> filters{{"AVI Files(*.avi)", "*.avi"}, {"All Files(*.*)", "*.*"}};
  EXPECT_EQ(platform::ChooseFileToOpen(&top, filters), clip);
  EXPECT_EQ(shown.filters, (std::vector<std::string>{"AVI Files(*.avi)", "All Files(*.*)"}));
  // Extensions match whatever their case; "*.*" means every file, with an extension or without.
  EXPECT_EQ(shown.accepted, (std::vector<std::string>{"a.avi B.AVI c.Avi", "a.avi B.AVI c.Avi notes.txt README"}));
  EXPECT_EQ(shown.action, GTK_FILE_CHOOSER_ACTION_OPEN);

  setenv("ZELVIK_ANSWER_FILE", "cancel", 1);
  EXPECT_EQ(platform::ChooseFileToOpen(&top, filters), std::nullopt);
}

}  // namespace
