#include "app/config_path.h"

#include <gtest/gtest.h>

TEST(ConfigPath, LiesBesideTheProgram) {
  struct Case {
    const char* program;
    const char* expected;
  };
  for (Case c : {Case{"/media/E/player/zelvik-player", "/media/E/player/config.sys"},
                 Case{"/zelvik-player", "/config.sys"},
                 Case{"zelvik-player", "/config.sys"},
                 Case{"/media/a very long folder name that goes on and on and on and on and on and on and on and on/and "
                      "on and on and on/zelvik-player",
                      "/media/a very long folder name that goes on and on and on and on and on and on and on and on/and "
                      "on and on and on/config.sys"}}) {
    EXPECT_EQ(DeriveConfigPath(c.program), c.expected) << c.program;
  }
}
