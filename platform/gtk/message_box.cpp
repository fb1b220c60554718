#include "platform/gtk/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/gtk/message_box_testing.h"

namespace platform::gtk {

namespace {

struct MessageBoxLog {
  std::optional<bool> answerAutomatically;  // unset: as the environment says
  std::vector<ShownMessageBox> shown;
};

MessageBoxLog& Log() {
  static MessageBoxLog log;
  return log;
}

bool AnswersAutomatically() {
  if (Log().answerAutomatically) return *Log().answerAutomatically;
  const char* value = std::getenv("ZELVIK_ANSWER_MESSAGE_BOXES");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

gboolean PressOk(gpointer data) {
  auto* dialog = static_cast<GtkDialog*>(data);
  if (!gtk_widget_in_destruction(GTK_WIDGET(dialog))) {
    if (GtkWidget* ok = gtk_dialog_get_widget_for_response(dialog, GTK_RESPONSE_OK)) {
      gtk_button_clicked(GTK_BUTTON(ok));
    } else {
      gtk_dialog_response(dialog, GTK_RESPONSE_OK);
    }
  }
  g_object_unref(dialog);
  return G_SOURCE_REMOVE;
}

void CollectButtonLabels(GtkWidget* widget, gpointer labels) {
  if (GTK_IS_BUTTON(widget)) {
    std::string label = gtk_button_get_label(GTK_BUTTON(widget)) ? gtk_button_get_label(GTK_BUTTON(widget)) : "";
    if (gtk_button_get_use_underline(GTK_BUTTON(widget))) std::erase(label, '_');
    static_cast<std::vector<std::string>*>(labels)->push_back(label);
  } else if (GTK_IS_CONTAINER(widget)) {
    gtk_container_forall(GTK_CONTAINER(widget), CollectButtonLabels, labels);
  }
}

// Notes what the box shows once it is on the screen, and answers it when asked to.
void Shown(GtkWidget* dialog, gpointer text) {
  ShownMessageBox box{static_cast<const char*>(text), gtk_window_get_title(GTK_WINDOW(dialog)), {}};
  gtk_container_forall(GTK_CONTAINER(dialog), CollectButtonLabels, &box.buttons);
  Log().shown.push_back(std::move(box));
  if (AnswersAutomatically()) {
    std::fprintf(stderr, "message box: %s\n", static_cast<const char*>(text));
    g_idle_add(PressOk, g_object_ref(dialog));
  }
}

}  // namespace

void RunMessageBox(GtkWindow* parent, const std::string& text) {
  // GTK takes UTF-8 only; a stray byte must not blank the whole text.
  gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
  GtkWidget* dialog = gtk_message_dialog_new(parent, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
                                             GTK_MESSAGE_OTHER, GTK_BUTTONS_OK, "%s", valid);
  gtk_window_set_title(GTK_WINDOW(dialog), "ZelvikPlayer");
  g_signal_connect_data(dialog, "map", G_CALLBACK(Shown), valid, [](gpointer text, GClosure*) { g_free(text); },
                        G_CONNECT_DEFAULT);
  // The dialog is destroyed with its parent when that goes first.
  g_object_ref(dialog);
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  g_object_unref(dialog);
}

void AnswerMessageBoxes(bool automatically) { Log().answerAutomatically = automatically; }

std::vector<ShownMessageBox> ShownMessageBoxes() { return Log().shown; }

void ForgetShownMessageBoxes() { Log().shown.clear(); }

}  // namespace platform::gtk
