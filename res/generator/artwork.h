#pragma once

#include <initializer_list>

#include "res/generator/paint.h"

// Painters shared between pictures: the main window's skin shows the panels in their
// resting state under the places the program paints later.
namespace art {

// The seven-segment speed digit (0..9), or only its unlit segments for -1, on a 40 x 54 well.
void PaintSpeedDigit(cairo_t* cr, int digit);
// The compass rose on 233 x 161, its needle on sector 0..7 (N, NE, ... NW) or none for -1.
void PaintCompass(cairo_t* cr, int sector);
// The empty G-sensor graph on 340 x 166.
void PaintGraph(cairo_t* cr);

}  // namespace art

namespace art {

// The dim street map with its "no position" notice, filling b.
void PaintNoPosition(cairo_t* cr, Box b);
// A recessed tray behind a row of buttons.
void ButtonTray(cairo_t* cr, Box b);

}  // namespace art

namespace art {

// The common ground of a popup window: background, title strip of `titleHeight` with
// the title, a tray behind each title button, and a thin frame round the window.
void WindowBase(cairo_t* cr, double width, double height, const char* title, std::initializer_list<Box> titleButtons,
                double titleHeight = 53);
// A flat group box with its heading, as the dialogs use.
void Section(cairo_t* cr, Box b, const char* heading);
// The frame of a native entry field placed at `field`.
void EntryFrame(cairo_t* cr, Box field);

}  // namespace art
