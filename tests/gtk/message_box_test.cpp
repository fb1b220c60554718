// Message boxes on the desktop: modal over the owner's top-level window, and
// answered by themselves when the environment asks (end-to-end runs).

#include <cstdlib>

#include "platform/gtk/message_box_testing.h"
#include "platform/message_box.h"
#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

struct OpenBox {
  bool found = false;
  bool modal = false;
  GtkWindow* parent = nullptr;
};

gboolean InspectOpenBox(gpointer data) {
  auto* box = static_cast<OpenBox*>(data);
  GList* toplevels = gtk_window_list_toplevels();
  for (GList* it = toplevels; it != nullptr; it = it->next) {
    if (!GTK_IS_MESSAGE_DIALOG(it->data) || !gtk_widget_get_mapped(GTK_WIDGET(it->data))) continue;
    box->found = true;
    box->modal = gtk_window_get_modal(GTK_WINDOW(it->data));
    box->parent = gtk_window_get_transient_for(GTK_WINDOW(it->data));
  }
  g_list_free(toplevels);
  return G_SOURCE_REMOVE;
}

class MessageBoxTest : public DesktopTest {};

TEST_F(MessageBoxTest, IsModalForTheOwnersTopLevelAndAnswersItselfWhenTheEnvironmentAsks) {
  setenv("ZELVIK_ANSWER_MESSAGE_BOXES", "1", 1);
  RecordingWindow top("top"), child("child");
  ASSERT_TRUE(top.CreateTopLevel(nullptr, {100, 100, 200, 120}, true));
  ASSERT_TRUE(child.CreateChild(top, {10, 10, 50, 30}, 1, true));

  OpenBox box;
  g_idle_add(InspectOpenBox, &box);  // runs while the box waits for its answer
  testing::internal::CaptureStderr();
  platform::MessageBox(&child, "WRONG PASSWORD. PLEASE RE-TRY");
  platform::MessageBox(nullptr, "file \xff error");  // not UTF-8: shown with a replacement character
  std::string log = testing::internal::GetCapturedStderr();

  EXPECT_TRUE(box.found);
  EXPECT_TRUE(box.modal);
  EXPECT_EQ(box.parent, platform::gtk::GtkWindowOf(top));
  EXPECT_NE(log.find("message box: WRONG PASSWORD. PLEASE RE-TRY\n"), std::string::npos) << log;
  auto shown = platform::gtk::ShownMessageBoxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "WRONG PASSWORD. PLEASE RE-TRY");
  EXPECT_EQ(shown[1].text, "file \xEF\xBF\xBD error");
  unsetenv("ZELVIK_ANSWER_MESSAGE_BOXES");
}

}  // namespace
