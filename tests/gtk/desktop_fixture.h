#pragma once

#include <gtest/gtest.h>

#include "platform/backend.h"
#include "tests/gtk/real_display.h"

// A fresh GTK backend for each test, on the real (Xvfb) display.
class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "gtk_tests";
    static char* args[] = {name, nullptr};
    static char** argv = args;
    platform::InstallBackend(platform::CreateDesktopBackend(argc, argv));
  }
  void TearDown() override {
    real_display::Pump();
    platform::InstallBackend(nullptr);
  }
};
