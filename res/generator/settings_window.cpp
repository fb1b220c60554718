// The settings window "Control Box" (740 x 480): every static text of the window
// around the places of its controls, the radio faces (11 x 11, on the group boxes'
// flat colour) and the Save and Exit buttons (122 x 33).
#include <array>
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/faces.h"
#include "res/generator/palette.h"

namespace art {
namespace {

TextStyle OptionStyle() {
  TextStyle style;
  style.px = 11;
  style.bold = false;
  style.colour = Hex(0xC9DDE5);
  return style;
}

// An option's text right of its radio button at (x, y).
void Option(cairo_t* cr, double radioX, double radioY, const char* text) {
  Text(cr, text, OptionStyle(), radioX + 16, radioY + 10);
}

// A caption above an entry field.
void Caption(cairo_t* cr, Box field, const char* text) { Label(cr, text, field.x, field.y - 8, Align::kLeft, 10); }

void FunctionSettings(cairo_t* cr) {
  Section(cr, {28, 66, 400, 124}, "FUNCTION SETTING");
  Text(cr, "Auto Mirror (Up/Down) Mode", OptionStyle(), 46, 121);
  Option(cr, 285, 111, "On");
  Option(cr, 349, 111, "Off");
  Text(cr, "Parking Mode Setting", OptionStyle(), 46, 148);
  Option(cr, 285, 138, "On");
  Option(cr, 349, 138, "Off");
  // The parking times hang off the parking mode.
  cairo_move_to(cr, 58.5, 154);
  cairo_line_to(cr, 58.5, 169.5);
  cairo_line_to(cr, 100, 169.5);
  SetColour(cr, colour::kAccentDim);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Option(cr, 112, 164, "5 Min");
  Option(cr, 219, 164, "10 Min");
  Option(cr, 324, 164, "15 Min");
}

void PasswordSettings(cairo_t* cr) {
  Section(cr, {28, 200, 400, 210}, "VIEWER PASSWORD SETTING");
  Option(cr, 58, 235, "USE PASSWORD");
  Option(cr, 58, 261, "NOT USE PASSWORD");
  constexpr Box kNew{57, 311, 143, 30}, kVerify{57, 368, 143, 30};
  constexpr Box kVehicle{241, 311, 171, 30}, kDriver{241, 368, 171, 30};
  Caption(cr, kNew, "New Password");
  Caption(cr, kVerify, "Verify Password");
  Caption(cr, kVehicle, "VEHICLE NUMBER");
  Caption(cr, kDriver, "DRIVER NAME");
  for (const Box& field : {kNew, kVerify, kVehicle, kDriver}) EntryFrame(cr, field);
  VLine(cr, 222, 296, 400, colour::kEdgeDark);
  VLine(cr, 223, 296, 400, colour::kEdgeLight, 0.25);
}

void Sensitivity(cairo_t* cr) {
  Section(cr, {438, 66, 280, 208}, "G-SENSOR SENSITIVITY");
  constexpr std::array<double, 3> kRows = {108, 167, 223};
  constexpr std::array<const char*, 3> kAxes = {"X", "Y", "Z"};
  const std::array<Rgb, 3> axisColours = {colour::kAxisX, colour::kAxisY, colour::kAxisZ};
  constexpr std::array<const char*, 7> kScale = {"min", "1", "2", "3", "4", "5", "max"};
  TextStyle axis;
  axis.px = 12;
  TextStyle scale;
  scale.family = "DejaVu Sans Condensed";
  scale.px = 9;
  scale.colour = colour::kLabel;
  for (std::size_t row = 0; row < 3; ++row) {
    axis.colour = axisColours[row];
    TextIn(cr, kAxes[row], axis, {444, kRows[row], 14, 25});
    FillBox(cr, {462, kRows[row], 236, 25}, colour::kSection);
    for (std::size_t i = 0; i < kScale.size(); ++i) {
      const double x = 462 + 10 + i * 215 / 6.0;
      Text(cr, kScale[i], scale, x, kRows[row] + 35, Align::kCentre);
    }
  }
}

void TimeZoneAndAudio(cairo_t* cr) {
  Section(cr, {438, 282, 280, 64}, "TIME ZONE SETTING");
  EntryFrame(cr, {473, 311, 188, 30});
  Section(cr, {438, 352, 280, 58}, "AUDIO RECORDING");
  Option(cr, 483, 377, "On");
  Option(cr, 587, 377, "Off");
}

Image Background() {
  Canvas canvas(740, 480);
  cairo_t* cr = canvas.cr();
  WindowBase(cr, 740, 480, "Control Box", {{597, 15, 122, 25}}, 55);
  FunctionSettings(cr);
  PasswordSettings(cr);
  Sensitivity(cr);
  TimeZoneAndAudio(cr);
  ButtonTray(cr, {56, 420, 122, 33});
  ButtonTray(cr, {566, 420, 122, 33});
  return canvas.Opaque(colour::kDesk);
}

Image Radio(bool checked) {
  Canvas canvas(11, 11);
  cairo_t* cr = canvas.cr();
  FillBox(cr, {0, 0, 11, 11}, colour::kSection);
  cairo_arc(cr, 5.5, 5.5, 4.6, 0, 2 * M_PI);
  SetColour(cr, colour::kEdgeDark);
  cairo_fill_preserve(cr);
  SetColour(cr, checked ? colour::kAccent : colour::kLabel);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  if (checked) {
    cairo_arc(cr, 5.5, 5.5, 2.2, 0, 2 * M_PI);
    SetColour(cr, Hex(0x9FF3FF));
    cairo_fill(cr);
  }
  return canvas.Opaque(colour::kSection);
}

}  // namespace

void AddSettingsWindow(Catalogue& out) {
  out.Add(218, Background());
  out.Add(221, TextFace(122, 33, Look::kNormal, "Save", 13));
  out.Add(228, TextFace(122, 33, Look::kPressed, "Save", 13));
  out.Add(224, TextFace(122, 33, Look::kNormal, "Exit", 13));
  out.Add(225, TextFace(122, 33, Look::kPressed, "Exit", 13));
  out.Add(246, Radio(true));
  out.Add(247, Radio(false));
}

}  // namespace art
