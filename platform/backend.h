#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/file_choosers.h"
#include "platform/list_view.h"
#include "platform/media_graph.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace platform {

class NativeWindow;

// What the operating system offers the program, as one object per run: the real
// desktop (GTK, GStreamer, WebKitGTK, GIO) or the simulated one of the tests.
// The program reaches it only through the small interfaces of platform/.
class Backend {
 public:
  virtual ~Backend() = default;

  // Windows. The window's parent, owner, bounds and visibility are set when this is called.
  virtual std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) = 0;

  // The event loop. Timers and posted messages are addressed by window handle and
  // are delivered through WindowEvents; those of a destroyed window are dropped.
  virtual void SetTimer(WindowHandle window, int id, int periodMs) = 0;
  virtual void KillTimer(WindowHandle window, int id) = 0;
  virtual void Post(WindowHandle window, const Message& message) = 0;
  virtual void SchedulePaint(WindowHandle window) = 0;
  // The window is gone: its timers, posted messages and paints are dropped.
  virtual void WindowDestroyed(WindowHandle window) = 0;
  // Runs events until `done` answers true.
  virtual void RunModalLoop(const std::function<bool()>& done) = 0;
  virtual std::int64_t NowMs() = 0;

  // A modal message box with one OK button, titled "ZelvikPlayer".
  virtual void ShowMessageBox(Window* owner, const std::string& text) = 0;
  // The full path of the running program.
  virtual std::string ProgramPath() = 0;
  // Whether the computer is connected.
  virtual bool IsOnline() = 0;
  // The name the desktop knows the program by.
  virtual void SetApplicationName(const std::string& name) = 0;

  // Media, list views and choosers.
  virtual std::unique_ptr<MediaGraph> CreateMediaGraph() = 0;
  virtual std::unique_ptr<ListView> CreateListView(Window& parent, Rect bounds, ListViewEvents& events) = 0;
  virtual std::optional<std::string> ChooseFolder(Window* owner, const std::string& title,
                                                  const std::string& startFolder) = 0;
  virtual std::optional<std::string> ChooseFileToOpen(Window* owner, const std::vector<FileFilter>& filters) = 0;
};

// The backend of this run. The program's main installs the desktop backend; tests install the headless one.
void InstallBackend(std::unique_ptr<Backend> backend);
Backend& CurrentBackend();
bool HasBackend();

// The desktop backend (defined by the GTK backend library).
std::unique_ptr<Backend> CreateDesktopBackend(int& argc, char**& argv);

}  // namespace platform
