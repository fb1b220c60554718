#include "platform/gtk/desktop_backend.h"

#include <gst/gst.h>
#include <gtk/gtk.h>

#include <stdexcept>

#include "platform/gtk/chooser_dialogs.h"
#include "platform/gtk/gst_media_graph.h"
#include "platform/gtk/gtk_list_view.h"
#include "platform/gtk/gtk_native_window.h"
#include "platform/gtk/input_gate.h"
#include "platform/gtk/media_warm_up.h"
#include "platform/gtk/message_box.h"
#include "platform/gtk/system_queries.h"

namespace platform {

std::unique_ptr<Backend> CreateDesktopBackend(int& argc, char**& argv) {
  static bool initialised = false;
  if (!initialised) {
    if (!gtk_init_check(&argc, &argv)) throw std::runtime_error("cannot open the display (is DISPLAY set?)");
    gst_init(&argc, &argv);
    gtk::StartMediaWarmUp();
    gtk::InstallInputGate();
    initialised = true;
  }
  return std::make_unique<gtk::DesktopBackend>();
}

namespace gtk {

std::unique_ptr<NativeWindow> DesktopBackend::CreateNativeWindow(Window& window) {
  return std::make_unique<GtkNativeWindow>(window);
}

void DesktopBackend::SetTimer(WindowHandle window, int id, int periodMs) { events_.SetTimer(window, id, periodMs); }

void DesktopBackend::KillTimer(WindowHandle window, int id) { events_.KillTimer(window, id); }

void DesktopBackend::Post(WindowHandle window, const Message& message) { events_.Post(window, message); }

void DesktopBackend::SchedulePaint(WindowHandle window) { events_.SchedulePaint(window); }

void DesktopBackend::WindowDestroyed(WindowHandle window) { events_.Drop(window); }

void DesktopBackend::RunModalLoop(const std::function<bool()>& done) {
  while (!done()) g_main_context_iteration(nullptr, TRUE);
}

std::int64_t DesktopBackend::NowMs() { return g_get_monotonic_time() / 1000; }

void DesktopBackend::ShowMessageBox(Window* owner, const std::string& text) {
  RunMessageBox(owner != nullptr ? GtkWindowOf(*owner) : nullptr, text);
}

std::string DesktopBackend::ProgramPath() { return RunningProgramPath(); }

bool DesktopBackend::IsOnline() { return NetworkFullyConnected(); }

void DesktopBackend::SetApplicationName(const std::string& name) { NameApplication(name); }

std::unique_ptr<MediaGraph> DesktopBackend::CreateMediaGraph() { return std::make_unique<GstMediaGraph>(); }

std::unique_ptr<ListView> DesktopBackend::CreateListView(Window& parent, Rect bounds, ListViewEvents& events) {
  return std::make_unique<GtkListView>(parent, bounds, events);
}

std::optional<std::string> DesktopBackend::ChooseFolder(Window* owner, const std::string& title,
                                                        const std::string& startFolder) {
  return RunFolderChooser(owner != nullptr ? GtkWindowOf(*owner) : nullptr, title, startFolder);
}

std::optional<std::string> DesktopBackend::ChooseFileToOpen(Window* owner, const std::vector<FileFilter>& filters) {
  return RunOpenFileChooser(owner != nullptr ? GtkWindowOf(*owner) : nullptr, filters);
}

}  // namespace gtk
}  // namespace platform
