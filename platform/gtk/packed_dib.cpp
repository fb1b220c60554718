#include "platform/gtk/packed_dib.h"

#include <cstring>

namespace platform::gtk {

std::vector<std::uint8_t> PackedDib(const Bitmap& picture) {
  if (picture.Empty()) return {};
  constexpr std::size_t kHeaderBytes = 40;
  const int width = picture.Width(), height = picture.Height();
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  std::vector<std::uint8_t> dib(kHeaderBytes + rowBytes * height, 0);
  auto put32 = [&dib](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) dib[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put32(0, kHeaderBytes);                                     // biSize
  put32(4, static_cast<std::uint32_t>(width));                // biWidth
  put32(8, static_cast<std::uint32_t>(height));               // biHeight: positive, rows bottom-up
  dib[12] = 1;                                                // biPlanes
  dib[14] = 32;                                               // biBitCount; biCompression 0 is BI_RGB
  put32(20, static_cast<std::uint32_t>(rowBytes * height));   // biSizeImage
  for (int y = 0; y < height; ++y)
    std::memcpy(&dib[kHeaderBytes + static_cast<std::size_t>(height - 1 - y) * rowBytes], picture.Row(y), rowBytes);
  return dib;
}

}  // namespace platform::gtk
