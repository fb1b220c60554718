#pragma once

#include "res/generator/paint.h"

// Small pieces of the main window's skin.
namespace art {

// The style of the small scale marks (0.5x, ELAPSED, ...).
TextStyle ScaleStyle();
// A slider's framed place with its label above it.
void SliderPlace(cairo_t* cr, Box track, const char* label);
// A thin lit frame around a readout, `pad` pixels out.
void Readout(cairo_t* cr, Box place, double pad);
// The video area before any clip: black glass with a faint lens mark.
void IdleScreen(cairo_t* cr, Box video);
// The product name, engraved, right-aligned in b.
void Brand(cairo_t* cr, Box b);
// Icons beside the controls, centred on (cx, cy) or with their top-left at (x, y).
void Speaker(cairo_t* cr, double x, double cy);
void Folder(cairo_t* cr, double x, double y);
void Gauge(cairo_t* cr, double cx, double cy);

}  // namespace art
