#include "platform/backend.h"

#include <stdexcept>

#include "platform/message_box.h"
#include "platform/system_info.h"

namespace platform {

namespace {
std::unique_ptr<Backend>& Installed() {
  static std::unique_ptr<Backend> backend;
  return backend;
}
}  // namespace

void InstallBackend(std::unique_ptr<Backend> backend) { Installed() = std::move(backend); }

Backend& CurrentBackend() {
  if (!Installed()) throw std::logic_error("no platform backend installed");
  return *Installed();
}

bool HasBackend() { return Installed() != nullptr; }

void MessageBox(Window* owner, const std::string& text) { CurrentBackend().ShowMessageBox(owner, text); }

std::string ProgramPath() { return CurrentBackend().ProgramPath(); }

bool IsOnline() { return CurrentBackend().IsOnline(); }

void SetApplicationName(const std::string& name) { CurrentBackend().SetApplicationName(name); }

std::unique_ptr<MediaGraph> CreateMediaGraph() { return CurrentBackend().CreateMediaGraph(); }

std::unique_ptr<ListView> CreateListView(Window& parent, Rect bounds, ListViewEvents& events) {
  return CurrentBackend().CreateListView(parent, bounds, events);
}

std::optional<std::string> ChooseFolder(Window* owner, const std::string& title, const std::string& startFolder) {
  return CurrentBackend().ChooseFolder(owner, title, startFolder);
}

std::optional<std::string> ChooseFileToOpen(Window* owner, const std::vector<FileFilter>& filters) {
  return CurrentBackend().ChooseFileToOpen(owner, filters);
}

}  // namespace platform
