#pragma once

#include "platform/messages.h"

// The program's own window messages.
inline constexpr platform::MessageId WM_SLIDER_DRAGGING = 0x28D1;  // slider → parent: control id, new position
inline constexpr platform::MessageId WM_SLIDER_RELEASED = 0x28D2;  // slider → parent: control id, position
inline constexpr platform::MessageId WM_CLIP_ENDED = 0x2403;       // tick or engine → main window
inline constexpr platform::MessageId WM_CLIP_OPENED = 0x2404;      // clip list → main window: 0, list row
inline constexpr platform::MessageId WM_GRAPH_NOTIFY = platform::kUserMessage + 13;  // media graph → engine
inline constexpr platform::MessageId WM_RADIO_UNCHECK = platform::kUserMessage + 0x100;

// Timers of the main window.
inline constexpr int TIMER_TICK = 1;
inline constexpr int TIMER_REPAINT_TICK = 100;
inline constexpr int TIMER_PASSWORD_GATE = 1000;
inline constexpr int TIMER_OPEN_REFRESH = 2000;
// Timer of the playback engine's window.
inline constexpr int TIMER_PREVIEW = 1;
// Timer of the clip list's window.
inline constexpr int TIMER_PENDING_PLAY = 1000;
