#pragma once

#include <cstdint>

namespace platform {

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;

struct Message {
  MessageId id = 0;
  WParam wParam = 0;
  LParam lParam = 0;
};

// The first value free for a program's own messages.
inline constexpr MessageId kUserMessage = 0x0400;

// Results of a modal run.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

enum class Key {
  Other,
  Enter,
  Escape,
  Tab,
  Space,
  Left,
  Right,
  Up,
  Down,
  PageUp,
  PageDown,
  Home,
  End,
};

enum class HitTest { Client, Caption };

}  // namespace platform
