#pragma once

#include <array>

#include "platform/geometry.h"

// Where set-up puts the main window's buttons, with their images (normal,
// hovered, pressed) and whether they show at start, in set-up order.
struct ButtonPlace {
  int id;
  const char* text;
  platform::Rect rect;
  int normal;
  int hover;
  int pressed;
  bool shown;
};

inline constexpr std::array<ButtonPlace, 20> kMainWindowButtons = {{
    {1009, "mini", {842, 10, 65, 33}, 286, 286, 286, true},
    {1000, "close", {908, 10, 65, 33}, 279, 279, 279, true},
    {1001, "play", {416, 548, 62, 39}, 292, 292, 291, true},
    {1003, "pause", {416, 548, 62, 39}, 289, 289, 290, false},
    {1081, "BackPlay", {478, 548, 62, 39}, 266, 266, 265, true},
    {1085, "BackPause", {478, 548, 62, 39}, 289, 289, 290, false},
    {1002, "stop", {541, 548, 62, 39}, 297, 297, 298, true},
    {1005, "rew", {602, 548, 62, 39}, 293, 293, 294, true},
    {1006, "ff", {665, 548, 62, 39}, 282, 282, 283, true},
    {1007, "open", {120, 550, 79, 31}, 287, 287, 288, true},
    {1010, "select dir", {199, 550, 79, 31}, 295, 295, 296, true},
    {1008, "delete", {278, 550, 79, 31}, 280, 280, 281, true},
    {1011, "map", {509, 429, 58, 41}, 284, 284, 285, true},
    {1013, "Print", {509, 429, 58, 41}, 210, 210, 209, false},
    {1015, "Capture", {509, 429, 58, 41}, 207, 207, 208, false},
    {1017, "Save", {567, 429, 58, 41}, 211, 211, 212, true},
    {1014, "Version", {625, 429, 58, 41}, 217, 217, 216, true},
    {1016, "Setting", {683, 429, 58, 41}, 215, 215, 214, true},
    {1072, "km", {856, 579, 35, 13}, 236, 236, 236, true},
    {1073, "mile", {856, 579, 35, 13}, 237, 237, 237, false},
}};

inline constexpr int kVideoHostId = 1051;
inline constexpr platform::Rect kVideoHostRect{19, 68, 601, 350};
inline constexpr platform::Size kMainWindowSize{999, 780};
