#include "platform/gtk/chooser_dialogs.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform::gtk {

namespace {

constexpr int kAnswerPollMs = 20;
constexpr int kAnswerTries = 250;  // five seconds for the chooser to show the answer

// Answers a shown chooser as a user would: puts the path into it, waits until
// the chooser has it, then presses the accept button.
struct ScriptedAnswer {
  GtkWidget* dialog;  // one reference of our own
  std::string path;
  int triesLeft = kAnswerTries;
};

std::string FilenameOf(GtkFileChooser* chooser) {
  gchar* name = gtk_file_chooser_get_filename(chooser);
  std::string out = name != nullptr ? name : "";
  g_free(name);
  return out;
}

gboolean Cancel(gpointer data) {
  auto* dialog = static_cast<GtkDialog*>(data);
  if (!gtk_widget_in_destruction(GTK_WIDGET(dialog))) gtk_dialog_response(dialog, GTK_RESPONSE_CANCEL);
  g_object_unref(dialog);
  return G_SOURCE_REMOVE;
}

gboolean AcceptWhenShown(gpointer data) {
  auto* answer = static_cast<ScriptedAnswer*>(data);
  bool finished = gtk_widget_in_destruction(answer->dialog) || !gtk_widget_get_visible(answer->dialog);
  if (!finished && FilenameOf(GTK_FILE_CHOOSER(answer->dialog)) == answer->path) {
    if (GtkWidget* accept = gtk_dialog_get_widget_for_response(GTK_DIALOG(answer->dialog), GTK_RESPONSE_ACCEPT))
      gtk_button_clicked(GTK_BUTTON(accept));
    finished = true;
  } else if (!finished && --answer->triesLeft <= 0) {
    std::fprintf(stderr, "chooser: could not choose %s; cancelled\n", answer->path.c_str());
    gtk_dialog_response(GTK_DIALOG(answer->dialog), GTK_RESPONSE_CANCEL);
    finished = true;
  }
  if (!finished) return G_SOURCE_CONTINUE;
  g_object_unref(answer->dialog);
  delete answer;
  return G_SOURCE_REMOVE;
}

// Answers the chooser from the environment variable named by `variable`, if set.
void AnswerFromEnvironment(GtkWidget* dialog, gpointer variable) {
  const char* name = static_cast<const char*>(variable);
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return;
  const char* kind = std::strcmp(name, "ZELVIK_ANSWER_FOLDER") == 0 ? "folder" : "file";
  std::fprintf(stderr, "%s chooser: %s\n", kind, value);
  if (std::strcmp(value, "cancel") == 0) {
    g_idle_add(Cancel, g_object_ref(dialog));
    return;
  }
  gchar* path = g_canonicalize_filename(value, nullptr);
  gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(dialog), path);
  g_timeout_add(kAnswerPollMs, AcceptWhenShown, new ScriptedAnswer{GTK_WIDGET(g_object_ref(dialog)), path});
  g_free(path);
}

// A file name pattern that matches names whatever their case ("*.avi" matches
// "CLIP.AVI"); "*.*" stands for every name, with or without an extension.
std::string CaseInsensitivePattern(const std::string& pattern) {
  if (pattern == "*.*") return "*";
  std::string out;
  bool inBrackets = false;
  for (char c : pattern) {
    auto u = static_cast<unsigned char>(c);
    if (inBrackets) {
      // A set of the pattern's own stays as written.
      out += c;
      if (c == ']') inBrackets = false;
    } else if (c == '[') {
      out += c;
      inBrackets = true;
    } else if (std::isalpha(u) != 0 && u < 0x80) {
      out += '[';
      out += static_cast<char>(std::tolower(u));
      out += static_cast<char>(std::toupper(u));
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> Run(GtkWidget* dialog, const char* answerVariable) {
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_file_chooser_set_local_only(GTK_FILE_CHOOSER(dialog), TRUE);
  g_signal_connect(dialog, "map", G_CALLBACK(AnswerFromEnvironment), const_cast<char*>(answerVariable));
  // The dialog is destroyed with its parent when that goes first.
  g_object_ref(dialog);
  std::optional<std::string> chosen;
  if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    std::string name = FilenameOf(GTK_FILE_CHOOSER(dialog));
    if (!name.empty()) chosen = name;
  }
  gtk_widget_destroy(dialog);
  g_object_unref(dialog);
  return chosen;
}

}  // namespace

std::optional<std::string> RunFolderChooser(GtkWindow* parent, const std::string& title,
                                            const std::string& startFolder) {
  gchar* validTitle = g_utf8_make_valid(title.c_str(), static_cast<gssize>(title.size()));
  GtkWidget* dialog = gtk_file_chooser_dialog_new(validTitle, parent, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER,
                                                  "_Cancel", GTK_RESPONSE_CANCEL, "_Select", GTK_RESPONSE_ACCEPT,
                                                  nullptr);
  g_free(validTitle);
  // The start folder is shown selected in its parent, so that accepting at once chooses it.
  gchar* start = g_canonicalize_filename(startFolder.empty() ? "/" : startFolder.c_str(), nullptr);
  if (std::strcmp(start, "/") == 0) {
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), start);
  } else {
    gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(dialog), start);
  }
  g_free(start);
  return Run(dialog, "ZELVIK_ANSWER_FOLDER");
}

std::optional<std::string> RunOpenFileChooser(GtkWindow* parent, const std::vector<FileFilter>& filters) {
  GtkWidget* dialog = gtk_file_chooser_dialog_new("Open", parent, GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
                                                  GTK_RESPONSE_CANCEL, "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  gtk_file_chooser_set_select_multiple(GTK_FILE_CHOOSER(dialog), FALSE);
  for (const FileFilter& filter : filters) {
    GtkFileFilter* gtkFilter = gtk_file_filter_new();
    gchar* name = g_utf8_make_valid(filter.name.c_str(), static_cast<gssize>(filter.name.size()));
    gtk_file_filter_set_name(gtkFilter, name);
    g_free(name);
    // "*.avi;*.mp4" holds several patterns.
    gchar** patterns = g_strsplit(filter.pattern.c_str(), ";", -1);
    for (gchar** p = patterns; *p != nullptr; ++p) {
      if (**p != '\0') gtk_file_filter_add_pattern(gtkFilter, CaseInsensitivePattern(*p).c_str());
    }
    g_strfreev(patterns);
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), gtkFilter);
  }
  return Run(dialog, "ZELVIK_ANSWER_FILE");
}

}  // namespace platform::gtk
