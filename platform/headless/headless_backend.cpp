#include "platform/headless/headless_backend.h"

namespace platform::headless {

namespace {
// Hook calls in a row that change nothing before a modal run is given up.
constexpr int kMaxIdleHookStalls = 100;
}  // namespace

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<NativeWindow> HeadlessBackend::CreateNativeWindow(Window& window) {
  return desktop_.Create(window);
}

void HeadlessBackend::SetTimer(WindowHandle window, int id, int periodMs) { loop_.SetTimer(window, id, periodMs); }

void HeadlessBackend::KillTimer(WindowHandle window, int id) { loop_.KillTimer(window, id); }

void HeadlessBackend::Post(WindowHandle window, const Message& message) { loop_.Post(window, message); }

void HeadlessBackend::SchedulePaint(WindowHandle window) { loop_.SchedulePaint(window); }

void HeadlessBackend::WindowDestroyed(WindowHandle window) { loop_.Drop(window); }

void HeadlessBackend::RunModalLoop(const std::function<bool()>& done) {
  std::int64_t quietSince = loop_.Now();
  int stalls = 0;
  while (!done()) {
    if (loop_.RunOne()) continue;
    std::optional<std::int64_t> due = loop_.NextDue();
    if (due && *due - quietSince <= modalQuietMs_) {
      loop_.FireNext(*due);
      continue;
    }
    // Nothing left to do, or the run has gone quiet for long enough: the test acts.
    std::uint64_t before = Activity();
    if (!modalIdleHook_ || !modalIdleHook_()) {
      ++abandonedModalRuns_;
      return;
    }
    quietSince = loop_.Now();
    if (Activity() != before || done()) {
      stalls = 0;
    } else if (++stalls >= kMaxIdleHookStalls) {
      ++abandonedModalRuns_;
      return;
    }
  }
}

void HeadlessBackend::ShowMessageBox(Window* owner, const std::string& text) {
  loop_.CountDispatch();
  MessageBoxRecord box{text, owner != nullptr ? owner->Handle() : 0, "ZelvikPlayer"};
  messageBoxes_.push_back(box);
  // While the box is open its owner takes no input.
  WindowHandle ownerTop = owner != nullptr ? owner->TopLevel().Handle() : 0;
  HeadlessWindow* ownerNative = desktop_.Find(ownerTop);
  bool disabled = ownerNative != nullptr && ownerNative->InputEnabled();
  if (disabled) ownerNative->SetInputEnabled(false);
  if (messageBoxHook_) messageBoxHook_(box);
  // The hook may have destroyed the owner.
  if (HeadlessWindow* n = desktop_.Find(ownerTop); disabled && n != nullptr) n->SetInputEnabled(true);
}

bool HeadlessBackend::AdvanceUntil(const std::function<bool()>& done, std::int64_t maxMs) {
  std::int64_t end = loop_.Now() + std::max<std::int64_t>(maxMs, 0);
  loop_.RunPending();
  if (done()) return true;
  while (loop_.FireNext(end)) {
    loop_.RunPending();
    if (done()) return true;
  }
  loop_.Advance(end - loop_.Now());
  return done();
}

void HeadlessBackend::SetModalIdleHook(std::function<bool()> hook, std::int64_t quietAfterMs) {
  modalIdleHook_ = std::move(hook);
  modalQuietMs_ = std::max<std::int64_t>(quietAfterMs, 0);
}

std::optional<int> HeadlessBackend::TimerPeriod(const Window& window, int id) const {
  return loop_.TimerPeriod(window.Handle(), id);
}

std::optional<std::int64_t> HeadlessBackend::TimerDue(const Window& window, int id) const {
  return loop_.TimerDue(window.Handle(), id);
}

std::vector<int> HeadlessBackend::TimerIds(const Window& window) const { return loop_.TimerIds(window.Handle()); }

std::vector<Message> HeadlessBackend::PendingMessages(const Window& window) const {
  return loop_.PendingMessages(window.Handle());
}

Colour HeadlessBackend::ScreenPixel(Point screen) const {
  return desktop_.ComposeArea({screen.x, screen.y, 1, 1}).Pixel(0, 0);
}

Point HeadlessBackend::ScreenPointOf(const Window& window, Point client) {
  Point origin = window.ScreenOrigin();
  return {origin.x + client.x, origin.y + client.y};
}

std::unique_ptr<MediaGraph> HeadlessBackend::CreateMediaGraph() {
  auto graph = std::make_unique<HeadlessMediaGraph>(WeakSelf(), pictures_);
  graphs_.push_back(graph.get());
  return graph;
}

std::unique_ptr<ListView> HeadlessBackend::CreateListView(Window& parent, Rect bounds, ListViewEvents& events) {
  auto list = std::make_unique<HeadlessListView>(parent, bounds, events);
  HeadlessListView* raw = list.get();
  std::weak_ptr<HeadlessBackend> self = WeakSelf();
  list->SetOnGone([self, raw] {
    if (auto backend = self.lock()) backend->Forget(raw);
  });
  lists_.push_back(raw);
  return list;
}

std::optional<std::string> HeadlessBackend::ChooseFolder(Window*, const std::string& title,
                                                         const std::string& startFolder) {
  return choosers_.ChooseFolder(title, startFolder);
}

std::optional<std::string> HeadlessBackend::ChooseFileToOpen(Window*, const std::vector<FileFilter>& filters) {
  return choosers_.ChooseFileToOpen(filters);
}

std::vector<HeadlessMediaGraph*> HeadlessBackend::MediaGraphs() const { return graphs_; }

std::vector<HeadlessListView*> HeadlessBackend::ListViews() const { return lists_; }

}  // namespace platform::headless
