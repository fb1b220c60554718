#pragma once

// A window for tests of the window layer: it writes each handler call into a log
// shared by several windows (so that the order across windows shows), paints
// itself in one colour, and lets a test plug behaviour into its handlers.
// Header only: the contract programs of both backends use it too.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window.h"

using EventLog = std::vector<std::string>;

// The entries of a log that contain any of `words`, in order.
inline std::vector<std::string> Only(const EventLog& log, const std::vector<std::string>& words) {
  std::vector<std::string> out;
  for (const std::string& e : log)
    for (const std::string& w : words)
      if (e.find(w) != std::string::npos) {
        out.push_back(e);
        break;
      }
  return out;
}

class RecordingWindow : public platform::Window {
 public:
  using Point = platform::Point;
  using Key = platform::Key;

  RecordingWindow(std::string name, std::shared_ptr<EventLog> log)
      : name_(std::move(name)), log_(std::move(log)) {}
  explicit RecordingWindow(std::string name) : RecordingWindow(std::move(name), std::make_shared<EventLog>()) {}
  ~RecordingWindow() override { Destroy(); }

  const std::string& Name() const { return name_; }
  EventLog& Log() { return *log_; }
  // The log entries that begin with this window's name and then `event`.
  std::vector<std::string> Entries(const std::string& event = "") const {
    std::vector<std::string> found;
    std::string prefix = name_ + " " + event;
    for (const std::string& e : *log_)
      if (e.compare(0, prefix.size(), prefix) == 0) found.push_back(e);
    return found;
  }
  int Count(const std::string& event) const { return static_cast<int>(Entries(event).size()); }

  // What the tests plug in.
  platform::Colour background = platform::Rgb(40, 40, 40);
  platform::HitTest hitTest = platform::HitTest::Client;
  bool logMoves = true;
  std::function<void(platform::DrawContext&)> paint;
  std::function<void(int)> onTimer;
  std::function<platform::LParam(platform::MessageId, platform::WParam, platform::LParam)> onMessage;
  std::function<bool(Key)> preTranslate;
  std::function<void(Key)> onKey;
  std::function<void(Point)> onDown;
  std::function<void(Point)> onUp;
  std::function<void(Point)> onMove;
  std::function<void(int)> onCommand;
  std::function<void()> onDestroy;

  void Add(const std::string& entry) { log_->push_back(name_ + " " + entry); }

 protected:
  static std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

  void OnDestroy() override {
    Add("destroy");
    if (onDestroy) onDestroy();
  }
  bool OnEraseBackground(platform::DrawContext& dc) override {
    Add("erase");
    dc.FillRect(ClientRect(), background);
    return true;
  }
  void OnPaint(platform::DrawContext& dc) override {
    Add("paint");
    if (paint) paint(dc);
  }
  void OnLButtonDown(Point p) override {
    Add("down " + At(p));
    if (onDown) onDown(p);
  }
  void OnLButtonUp(Point p) override {
    Add("up " + At(p));
    if (onUp) onUp(p);
  }
  void OnLButtonDblClk(Point p) override { Add("dblclk " + At(p)); }
  void OnMouseMove(Point p) override {
    if (logMoves) Add("move " + At(p));
    if (onMove) onMove(p);
  }
  void OnMouseHover(Point p) override { Add("hover " + At(p)); }
  void OnMouseLeave() override { Add("leave"); }
  bool PreTranslateKey(Key key) override {
    Add("pretranslate " + KeyName(key));
    return preTranslate && preTranslate(key);
  }
  void OnKeyDown(Key key) override {
    Add("key " + KeyName(key));
    if (onKey) onKey(key);
  }
  void OnSetFocus() override { Add("setfocus"); }
  void OnKillFocus() override { Add("killfocus"); }
  void OnTimer(int id) override {
    Add("timer " + std::to_string(id));
    if (onTimer) onTimer(id);
  }
  platform::LParam OnMessage(platform::MessageId id, platform::WParam w, platform::LParam l) override {
    Add("message " + std::to_string(id));
    return onMessage ? onMessage(id, w, l) : 0;
  }
  void OnCommand(int controlId) override {
    Add("command " + std::to_string(controlId));
    if (onCommand) onCommand(controlId);
  }
  platform::HitTest OnHitTest(Point) override { return hitTest; }
  void OnMinimizedChanged(bool minimized) override { Add(minimized ? "minimized" : "restored"); }

 public:
  static std::string KeyName(Key key) {
    switch (key) {
      case Key::Enter: return "Enter";
      case Key::Escape: return "Escape";
      case Key::Tab: return "Tab";
      case Key::Space: return "Space";
      case Key::Left: return "Left";
      case Key::Right: return "Right";
      case Key::Up: return "Up";
      case Key::Down: return "Down";
      case Key::PageUp: return "PageUp";
      case Key::PageDown: return "PageDown";
      case Key::Home: return "Home";
      case Key::End: return "End";
      case Key::Other: break;
    }
    return "Other";
  }

 private:
  std::string name_;
  std::shared_ptr<EventLog> log_;
};
