#include <gtest/gtest.h>

#include <vector>

#include "platform/resources.h"

namespace {

using platform::Bitmap;
using platform::Colour;
using platform::LoadBitmapResource;
using platform::Rgb;

constexpr Colour kMagenta = Rgb(255, 0, 255);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kSilver = Rgb(192, 192, 192);

struct Sized {
  int id, width, height;
};

TEST(BitmapResources, EveryNumberHasItsSize) {
  const std::vector<Sized> table = {
      {128, 48, 48},    {131, 999, 780},  {312, 340, 166},  {313, 245, 15},   {187, 233, 161},
      {171, 233, 161},  {194, 233, 161},  {190, 233, 161},  {189, 233, 161},  {191, 233, 161},
      {192, 233, 161},  {193, 233, 161},  {179, 40, 54},    {177, 40, 54},    {178, 40, 54},
      {180, 40, 54},    {181, 40, 54},    {182, 40, 54},    {183, 40, 54},    {184, 40, 54},
      {185, 40, 54},    {186, 40, 54},    {299, 7, 12},     {300, 7, 12},     {301, 7, 12},
      {302, 7, 12},     {303, 7, 12},     {304, 7, 12},     {305, 7, 12},     {306, 7, 12},
      {307, 7, 12},     {308, 7, 12},     {310, 11, 12},    {311, 89, 24},    {315, 89, 24},
      {286, 65, 33},    {279, 65, 33},    {292, 62, 39},    {291, 62, 39},    {289, 62, 39},
      {290, 62, 39},    {266, 62, 39},    {265, 62, 39},    {297, 62, 39},    {298, 62, 39},
      {293, 62, 39},    {294, 62, 39},    {282, 62, 39},    {283, 62, 39},    {287, 79, 31},
      {288, 79, 31},    {295, 79, 31},    {296, 79, 31},    {280, 79, 31},    {281, 79, 31},
      {284, 58, 41},    {285, 58, 41},    {210, 58, 41},    {209, 58, 41},    {207, 58, 41},
      {208, 58, 41},    {211, 58, 41},    {212, 58, 41},    {217, 58, 41},    {216, 58, 41},
      {215, 58, 41},    {214, 58, 41},    {236, 35, 13},    {237, 35, 13},    {198, 108, 14},
      {196, 108, 14},   {200, 296, 14},   {199, 296, 14},   {202, 26, 12},    {197, 26, 12},
      {206, 338, 142},  {203, 17, 17},    {234, 17, 17},    {235, 17, 17},    {270, 17, 17},
      {314, 356, 363},  {316, 640, 480},  {165, 660, 560},  {230, 820, 560},  {1089, 65, 33},
      {1090, 65, 33},   {218, 740, 480},  {219, 57, 25},    {220, 57, 25},    {221, 122, 33},
      {228, 122, 33},   {224, 122, 33},   {225, 122, 33},   {246, 11, 11},    {247, 11, 11},
      {243, 236, 25},   {244, 236, 25},   {245, 236, 25},   {241, 15, 25},    {242, 15, 25},
      {273, 360, 240},  {277, 100, 34},   {275, 100, 34},   {274, 100, 34},   {276, 100, 34},
      {249, 938, 574},  {251, 86, 43},    {252, 86, 43},    {254, 86, 43},    {255, 86, 43},
      {257, 86, 43},    {258, 86, 43},    {259, 360, 236},
  };
  for (const auto& [id, width, height] : table) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(platform::HasBitmapResource(id));
    const Bitmap& bitmap = LoadBitmapResource(id);
    EXPECT_EQ(bitmap.Width(), width);
    EXPECT_EQ(bitmap.Height(), height);
  }
}

// The transparent colour sits outside the face, the face itself never uses it.
void ExpectKeyedAroundFace(const Bitmap& b, Colour key) {
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Pixel(0, 0), key);
  EXPECT_EQ(b.Pixel(b.Width() - 1, 0), key);
  EXPECT_EQ(b.Pixel(0, b.Height() - 1), key);
  EXPECT_EQ(b.Pixel(b.Width() - 1, b.Height() - 1), key);
  EXPECT_NE(b.Pixel(b.Width() / 2, b.Height() / 2), key);
}

TEST(BitmapResources, ButtonFacesAreMagentaAroundTheirFace) {
  // Pairs of normal and pressed faces; a single number serves every look.
  const std::vector<std::pair<int, int>> faces = {
      {286, 286}, {279, 279}, {292, 291}, {289, 290}, {266, 265}, {297, 298}, {293, 294},
      {282, 283}, {287, 288}, {295, 296}, {280, 281}, {284, 285}, {210, 209}, {207, 208},
      {211, 212}, {217, 216}, {215, 214}, {236, 236}, {237, 237}, {1089, 1089}, {1090, 1090},
      {219, 219}, {220, 220}, {221, 228}, {224, 225}, {277, 275}, {274, 276}, {251, 252},
      {254, 255}, {257, 258},
  };
  for (const auto& [normal, pressed] : faces) {
    SCOPED_TRACE(normal);
    ExpectKeyedAroundFace(LoadBitmapResource(normal), kMagenta);
    ExpectKeyedAroundFace(LoadBitmapResource(pressed), kMagenta);
    if (normal != pressed) {
      EXPECT_NE(LoadBitmapResource(normal), LoadBitmapResource(pressed));
    }
  }
}

TEST(BitmapResources, ThumbsAndKindIconsCarryTheirMaskColour) {
  // The sliders take the top-left pixel as the transparent colour.
  for (int id : {202, 197}) {
    SCOPED_TRACE(id);
    ExpectKeyedAroundFace(LoadBitmapResource(id), kMagenta);
  }
  for (int id : {241, 242}) {
    SCOPED_TRACE(id);
    ExpectKeyedAroundFace(LoadBitmapResource(id), kWhite);
  }
  for (int id : {203, 234, 235, 270}) {
    SCOPED_TRACE(id);
    ExpectKeyedAroundFace(LoadBitmapResource(id), kSilver);
  }
}

TEST(BitmapResources, GraphScaleLinesLieWhereTheCurvesAreDrawn) {
  const Bitmap& graph = LoadBitmapResource(312);
  // y = 93 - 24 g for 2, 1, 0, -1 and -2 g, across the time axis from x = 52 to 292.
  for (int y : {45, 69, 93, 117, 141}) {
    for (int x : {52, 170, 291}) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      EXPECT_NE(graph.Pixel(x, y), graph.Pixel(x, y - 3));
      EXPECT_NE(graph.Pixel(x, y), graph.Pixel(x, y + 3));
    }
  }
  // Copying the caption strip to (50, 10) must restore the empty graph exactly.
  const Bitmap& strip = LoadBitmapResource(313);
  for (int y = 0; y < strip.Height(); ++y) {
    for (int x = 0; x < strip.Width(); ++x) {
      ASSERT_EQ(strip.Pixel(x, y), graph.Pixel(50 + x, 10 + y)) << x << "," << y;
    }
  }
}

TEST(BitmapResources, RadioFacesMatchTheSettingsWindowBehindThem) {
  // The faces are copied without transparency, so their ground must be the window's.
  const Bitmap& window = LoadBitmapResource(218);
  const std::vector<std::pair<int, int>> places = {{285, 111}, {349, 138}, {112, 164}, {58, 261}, {587, 377}};
  for (int id : {246, 247}) {
    const Bitmap& face = LoadBitmapResource(id);
    for (const auto& [x, y] : places) {
      SCOPED_TRACE(testing::Message() << id << " at " << x << "," << y);
      EXPECT_EQ(face.Pixel(0, 0), window.Pixel(x, y));
      EXPECT_EQ(face.Pixel(10, 10), window.Pixel(x + 10, y + 10));
    }
  }
}

TEST(BitmapResources, UnknownNumbersGiveAnEmptyBitmap) {
  for (int id : {0, -1, 130, 9999}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(platform::HasBitmapResource(id));
    EXPECT_TRUE(LoadBitmapResource(id).Empty());
  }
}

TEST(BitmapResources, LoadingIsCached) {
  const Bitmap& first = LoadBitmapResource(131);
  const Bitmap& again = LoadBitmapResource(131);
  EXPECT_EQ(&first, &again);
  EXPECT_NE(&LoadBitmapResource(312), &first);
}

}  // namespace
