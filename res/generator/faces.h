#pragma once

#include <functional>
#include <string_view>

#include "res/generator/paint.h"

// Button faces: a raised graphite key with rounded corners at rest, sunk and lit in
// cyan while pressed. Pixels outside the key are magenta, the buttons' transparent
// colour, so the window's skin shows around them.
namespace art {

enum class Look { kNormal, kPressed };

// Draws a glyph into `inner` (the face without its rim) in colour `ink`.
using Glyph = std::function<void(cairo_t* cr, Box inner, Rgb ink)>;

Image ButtonFace(int width, int height, Look look, const Glyph& glyph, double radius = 6);
Image TextFace(int width, int height, Look look, std::string_view text, double px = 12);

// Fills the current path in `ink` with a soft glow around it; brighter when `lit`.
void InkFill(cairo_t* cr, Rgb ink, bool lit);
// Strokes the current path in `ink`, `width` wide, with the same glow.
void InkStroke(cairo_t* cr, Rgb ink, bool lit, double width);
// Whether `ink` is the lit colour of a pressed face.
bool IsLit(Rgb ink);

}  // namespace art
