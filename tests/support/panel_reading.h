#pragma once

// Reads the main window's digits back from a picture of it, by matching the
// digit bitmaps exactly: the elapsed time ("mm:ss") and the speed ("057"),
// with '?' where no digit matches.

#include <string>
#include <vector>

#include "platform/raster/bitmap.h"
#include "platform/resources.h"

namespace panel_reading {

// Which of the images `ids` the w x h block at (x, y) shows, or -1.
inline int MatchImage(const platform::Bitmap& shot, int x, int y, int w, int h, const std::vector<int>& ids) {
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const platform::Bitmap& image = platform::LoadBitmapResource(ids[i]);
    bool same = true;
    for (int dy = 0; dy < h && same; ++dy)
      for (int dx = 0; dx < w && same; ++dx) same = shot.Pixel(x + dx, y + dy) == image.Pixel(dx, dy);
    if (same) return static_cast<int>(i);
  }
  return -1;
}

inline char DigitChar(int index) { return index < 0 ? '?' : static_cast<char>('0' + index); }

inline std::string ElapsedTimeText(const platform::Bitmap& shot) {
  std::vector<int> digits;
  for (int id = 299; id <= 308; ++id) digits.push_back(id);
  std::string text;
  text += DigitChar(MatchImage(shot, 431, 528, 7, 12, digits));
  text += DigitChar(MatchImage(shot, 438, 528, 7, 12, digits));
  text += MatchImage(shot, 445, 528, 11, 12, {310}) == 0 ? ':' : '?';
  text += DigitChar(MatchImage(shot, 457, 528, 7, 12, digits));
  text += DigitChar(MatchImage(shot, 464, 528, 7, 12, digits));
  return text;
}

inline std::string SpeedText(const platform::Bitmap& shot) {
  const std::vector<int> digits = {179, 177, 178, 180, 181, 182, 183, 184, 185, 186};
  std::string text;
  for (int x : {814, 854, 894}) text += DigitChar(MatchImage(shot, x, 513, 40, 54, digits));
  return text;
}

}  // namespace panel_reading
