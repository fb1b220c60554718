#include "res/generator/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace art {

void Catalogue::Add(int id, Image image) {
  const bool known = std::any_of(items_.begin(), items_.end(), [id](const Artwork& a) { return a.id == id; });
  if (known || image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    std::fprintf(stderr, "zelvik_artgen: bitmap %d added twice or malformed\n", id);
    std::exit(1);
  }
  items_.push_back({id, std::move(image)});
}

}  // namespace art
