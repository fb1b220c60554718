#pragma once

#include <vector>

#include "res/generator/image.h"

namespace art {

struct Artwork {
  int id;
  Image image;
};

// Every numbered bitmap the generator draws, in the order they were added.
class Catalogue {
 public:
  // Adds a picture; a number given twice is a fault of the generator and stops it.
  void Add(int id, Image image);
  const std::vector<Artwork>& Items() const { return items_; }

 private:
  std::vector<Artwork> items_;
};

// Each adds the pictures of one window or role.
void AddAppIcon(Catalogue& out);
void AddMainSkin(Catalogue& out);
void AddWindowButtons(Catalogue& out);
void AddTransportFaces(Catalogue& out);
void AddToolFaces(Catalogue& out);
void AddSpeedDigits(Catalogue& out);
void AddTimeDigits(Catalogue& out);
void AddCompass(Catalogue& out);
void AddGraph(Catalogue& out);
void AddSliders(Catalogue& out);
void AddListPictures(Catalogue& out);
void AddMapPictures(Catalogue& out);
void AddViewSkins(Catalogue& out);
void AddSettingsWindow(Catalogue& out);
void AddPasswordPrompt(Catalogue& out);
void AddCaptureWindow(Catalogue& out);
void AddVersionWindow(Catalogue& out);

}  // namespace art
