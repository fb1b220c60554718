#pragma once

#include "res/generator/image.h"

// The one look of every bitmap: a car's instrument panel at night. Graphite and
// blue-black surfaces, soft bevels, cyan and teal light, white and cyan glyphs.
namespace art::colour {

constexpr Rgb kDesk = Hex(0x0D1015);         // window background
constexpr Rgb kDeskHigh = Hex(0x151A21);     // top of the background gradient
constexpr Rgb kTitleTop = Hex(0x262E39);     // title strip
constexpr Rgb kTitleBottom = Hex(0x121720);
constexpr Rgb kPlateTop = Hex(0x1F252E);     // raised panels
constexpr Rgb kPlateBottom = Hex(0x161B22);
constexpr Rgb kEdgeLight = Hex(0x3C4756);    // bevel highlight
constexpr Rgb kEdgeDark = Hex(0x030405);     // bevel shadow and outlines
constexpr Rgb kWell = Hex(0x080B0F);         // recessed places the program paints over
constexpr Rgb kWellRim = Hex(0x0F1319);
constexpr Rgb kScreen = Hex(0x020304);       // video areas
constexpr Rgb kAccent = Hex(0x1ED6F2);       // cyan light
constexpr Rgb kAccentDim = Hex(0x0E6D7E);
constexpr Rgb kTeal = Hex(0x19B8A6);
constexpr Rgb kLabel = Hex(0x78B4C6);        // engraved labels
constexpr Rgb kLabelDim = Hex(0x4A6A78);
constexpr Rgb kText = Hex(0xE8F7FB);         // bright text
constexpr Rgb kGlyph = Hex(0xD4EBF2);        // button glyphs at rest
constexpr Rgb kGlyphLit = Hex(0x3FE4FF);     // button glyphs pressed
constexpr Rgb kFaceTop = Hex(0x343D4A);      // button faces
constexpr Rgb kFaceBottom = Hex(0x1A2029);
constexpr Rgb kFacePressedTop = Hex(0x0E1217);
constexpr Rgb kFacePressedBottom = Hex(0x1A222C);
constexpr Rgb kFaceBorder = Hex(0x4E5A6A);
constexpr Rgb kSection = Hex(0x141920);      // flat fill of the dialogs' group boxes
constexpr Rgb kSegmentOff = Hex(0x0E2126);   // unlit seven-segment bars

// The G-sensor axes.
constexpr Rgb kAxisX = Hex(0xFF3300);
constexpr Rgb kAxisY = Hex(0x00CCFF);
constexpr Rgb kAxisZ = Hex(0x33FF00);

}  // namespace art::colour
