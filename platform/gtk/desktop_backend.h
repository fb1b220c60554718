#pragma once

#include "platform/backend.h"
#include "platform/gtk/event_sources.h"

namespace platform::gtk {

// The real desktop: GTK windows on the GLib main loop.
class DesktopBackend final : public Backend {
 public:
  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override;

  void SetTimer(WindowHandle window, int id, int periodMs) override;
  void KillTimer(WindowHandle window, int id) override;
  void Post(WindowHandle window, const Message& message) override;
  void SchedulePaint(WindowHandle window) override;
  void WindowDestroyed(WindowHandle window) override;
  void RunModalLoop(const std::function<bool()>& done) override;
  std::int64_t NowMs() override;

  void ShowMessageBox(Window* owner, const std::string& text) override;
  std::string ProgramPath() override;
  bool IsOnline() override;
  void SetApplicationName(const std::string& name) override;
  std::unique_ptr<MediaGraph> CreateMediaGraph() override;
  std::unique_ptr<ListView> CreateListView(Window& parent, Rect bounds, ListViewEvents& events) override;
  std::optional<std::string> ChooseFolder(Window* owner, const std::string& title,
                                          const std::string& startFolder) override;
  std::optional<std::string> ChooseFileToOpen(Window* owner, const std::vector<FileFilter>& filters) override;

 private:
  EventSources events_;
};

}  // namespace platform::gtk
