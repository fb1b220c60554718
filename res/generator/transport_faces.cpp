// The transport bar of the main window: play, pause, backward play, stop, previous
// and next clip, each at rest and pressed (62 x 39).
#include <cmath>

#include "res/generator/catalogue.h"
#include "res/generator/faces.h"
#include "res/generator/glyphs.h"

namespace art {
namespace {

constexpr int kWidth = 62;
constexpr int kHeight = 39;
constexpr double kSize = 15;  // glyph height

void Play(cairo_t* cr, Box inner, Rgb ink) {
  glyph::TriangleRight(cr, inner.CentreX(), inner.CentreY(), kSize);
  InkFill(cr, ink, IsLit(ink));
}

void BackPlay(cairo_t* cr, Box inner, Rgb ink) {
  glyph::TriangleLeft(cr, inner.CentreX(), inner.CentreY(), kSize);
  InkFill(cr, ink, IsLit(ink));
}

void Pause(cairo_t* cr, Box inner, Rgb ink) {
  const double x = std::round(inner.CentreX());
  glyph::Bar(cr, x - 7, inner.CentreY(), 5, kSize);
  glyph::Bar(cr, x + 2, inner.CentreY(), 5, kSize);
  InkFill(cr, ink, IsLit(ink));
}

void Stop(cairo_t* cr, Box inner, Rgb ink) {
  const double side = kSize - 2;
  RoundedRect(cr, {std::round(inner.CentreX() - side / 2), std::round(inner.CentreY() - side / 2), side, side}, 1.5);
  InkFill(cr, ink, IsLit(ink));
}

void Previous(cairo_t* cr, Box inner, Rgb ink) {
  const double x = std::round(inner.CentreX());
  glyph::Bar(cr, x - 9, inner.CentreY(), 3, kSize - 1);
  glyph::TriangleLeft(cr, x + 2, inner.CentreY(), kSize - 1);
  InkFill(cr, ink, IsLit(ink));
}

void Next(cairo_t* cr, Box inner, Rgb ink) {
  const double x = std::round(inner.CentreX());
  glyph::TriangleRight(cr, x - 2, inner.CentreY(), kSize - 1);
  glyph::Bar(cr, x + 6, inner.CentreY(), 3, kSize - 1);
  InkFill(cr, ink, IsLit(ink));
}

void AddPair(Catalogue& out, int normal, int pressed, const Glyph& glyph) {
  out.Add(normal, ButtonFace(kWidth, kHeight, Look::kNormal, glyph));
  out.Add(pressed, ButtonFace(kWidth, kHeight, Look::kPressed, glyph));
}

}  // namespace

void AddTransportFaces(Catalogue& out) {
  AddPair(out, 292, 291, Play);
  AddPair(out, 289, 290, Pause);
  AddPair(out, 266, 265, BackPlay);
  AddPair(out, 297, 298, Stop);
  AddPair(out, 293, 294, Previous);
  AddPair(out, 282, 283, Next);
}

}  // namespace art
