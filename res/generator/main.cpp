// Draws every numbered bitmap of the player and packs them into one blob, which the
// build embeds in the program. With --png it also writes each bitmap as <id>.png.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "res/blob_format.h"
#include "res/generator/catalogue.h"

namespace {

void Fail(const std::string& message) {
  std::fprintf(stderr, "zelvik_artgen: %s\n", message.c_str());
  std::exit(1);
}

void WriteBlob(const art::Catalogue& catalogue, const std::filesystem::path& path) {
  const auto& items = catalogue.Items();
  std::vector<std::uint32_t> words(res::kHeaderWords + items.size() * res::kEntryWords);
  const res::BlobHeader header{res::kBlobMagic, static_cast<std::uint32_t>(items.size())};
  std::memcpy(words.data(), &header, sizeof header);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const art::Image& image = items[i].image;
    const auto packed = res::PackPixels(image.pixels);
    const res::BlobEntry entry{items[i].id, image.width, image.height,
                               static_cast<std::uint32_t>(words.size()),
                               static_cast<std::uint32_t>(packed.size())};
    std::memcpy(words.data() + res::kHeaderWords + i * res::kEntryWords, &entry, sizeof entry);
    words.insert(words.end(), packed.begin(), packed.end());
  }
  const auto temporary = std::filesystem::path(path).concat(".part");
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(words.data()), static_cast<std::streamsize>(words.size() * 4));
    if (!file) Fail("cannot write " + temporary.string());
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) Fail("cannot write " + path.string() + ": " + error.message());
}

void WritePngs(const art::Catalogue& catalogue, const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) Fail("cannot create " + folder.string() + ": " + error.message());
  for (const auto& [id, image] : catalogue.Items()) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y)
      std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                  static_cast<std::size_t>(image.width) * 4);
    cairo_surface_mark_dirty(surface);
    const auto file = folder / (std::to_string(id) + ".png");
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) Fail("cannot write " + file.string());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path blob, pngs;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--blob" || arg == "--png") && i + 1 < argc) {
      (arg == "--blob" ? blob : pngs) = argv[++i];
    } else {
      Fail("usage: zelvik_artgen [--blob FILE] [--png DIR]");
    }
  }
  if (blob.empty() && pngs.empty()) Fail("usage: zelvik_artgen [--blob FILE] [--png DIR]");

  art::Catalogue catalogue;
  art::AddAppIcon(catalogue);
  art::AddMainSkin(catalogue);
  art::AddWindowButtons(catalogue);
  art::AddTransportFaces(catalogue);
  art::AddToolFaces(catalogue);
  art::AddSpeedDigits(catalogue);
  art::AddTimeDigits(catalogue);
  art::AddCompass(catalogue);
  art::AddGraph(catalogue);
  art::AddSliders(catalogue);
  art::AddListPictures(catalogue);
  art::AddMapPictures(catalogue);
  art::AddViewSkins(catalogue);
  art::AddSettingsWindow(catalogue);
  art::AddPasswordPrompt(catalogue);
  art::AddCaptureWindow(catalogue);
  art::AddVersionWindow(catalogue);

  if (!blob.empty()) WriteBlob(catalogue, blob);
  if (!pngs.empty()) WritePngs(catalogue, pngs);
  return 0;
}
