#pragma once

// The base of the contract cases: the driver installs a fresh backend before each
// case and removes it after. Cases are written to hold in real time too: they
// wait for outcomes with generous timeouts and check order, not milliseconds,
// unless the driver's time is virtual.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/window.h"
#include "tests/contract/driver.h"
#include "tests/support/recording_window.h"

class ContractTest : public ::testing::Test {
 protected:
  using Point = platform::Point;
  using Rect = platform::Rect;

  static constexpr int kWaitMs = 5000;

  void SetUp() override { Driver().SetUp(); }
  void TearDown() override { Driver().TearDown(); }

  static ContractDriver& D() { return Driver(); }
  static bool WaitFor(const std::function<bool()>& done, int timeoutMs = kWaitMs) {
    return Driver().RunUntil(done, timeoutMs);
  }

  // A screen point at a client point of a window.
  static Point On(const platform::Window& window, Point client) {
    Point origin = window.ScreenOrigin();
    return {origin.x + client.x, origin.y + client.y};
  }

  // Whether the screen shows `colour` at client point `p` of `window` (read through
  // the window's top-level window).
  static bool Shows(platform::Window& window, Point p, platform::Colour colour) {
    platform::Window& top = window.TopLevel();
    Point at = On(window, p);
    Point topOrigin = top.ScreenOrigin();
    return D().ScreenPixels(top).Pixel(at.x - topOrigin.x, at.y - topOrigin.y) == colour;
  }
  static bool WaitShows(platform::Window& window, Point p, platform::Colour colour) {
    return WaitFor([&] { return Shows(window, p, colour); });
  }

  // Shows a top-level window and waits until the screen has it.
  static void ShowAndWait(RecordingWindow& top) {
    top.Show(true);
    ASSERT_TRUE(WaitShows(top, {1, 1}, top.background)) << top.Name() << " never reached the screen";
  }

  static int IndexOf(const EventLog& log, const std::string& entry) {
    auto it = std::find(log.begin(), log.end(), entry);
    return it == log.end() ? -1 : static_cast<int>(it - log.begin());
  }
};
