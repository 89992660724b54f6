// Pictures into destinations of the sizes the game uses (the frame, a status
// icon, a face, a tiny one), from memory and, for some inputs, from a file.
#include <cstring>
#include <vector>

#include "gfx/image.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  static const size_t capacities[] = {640 * 480, 20 * 20, 120 * 160, 1};
  std::vector<uint8_t> palette(768);
  for (size_t capacity : capacities) {
    // Exactly the capacity on the heap, so any write past it is caught.
    std::vector<uint8_t> destination(capacity, 0xEE);
    DecodeImage(data, size, destination.data(), capacity, palette.data());
    DecodeImage(data, size, destination.data(), capacity, nullptr);
  }
  int width = 0, height = 0;
  ReadImageSize(data, size, &width, &height);
  if (size % 4 == 0) {
    FuzzWriteFile("data/picture.kxg", data, size);
    std::vector<uint8_t> frame(640 * 480);
    LoadImageWithPalette(frame.data(), frame.size(), "data/picture.kxg", palette.data());
    LoadImage(frame.data(), 400, "data/picture.kxg");
  }
  return 0;
}
