// Pictures into destinations of the sizes the game uses (the frame, a status
// icon, a face, a tiny one), from memory and from a file. Each input is
// decoded once: its length picks the destination and the way, so that the
// whole run goes to new inputs rather than to the same one eight times over.
#include <cstring>
#include <vector>

#include "gfx/image.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  static const size_t capacities[] = {640 * 480, 20 * 20, 120 * 160, 1};
  static std::vector<uint8_t> palette(768);
  int width = 0, height = 0;
  ReadImageSize(data, size, &width, &height);
  const size_t way = size % 8;
  if (way == 0 || way == 4) {
    FuzzWriteFile("data/picture.kxg", data, size);
    std::vector<uint8_t> frame(way == 0 ? 640 * 480 : 400);
    if (way == 0) LoadImageWithPalette(frame.data(), frame.size(), "data/picture.kxg", palette.data());
    else LoadImage(frame.data(), frame.size(), "data/picture.kxg");
    return 0;
  }
  // Exactly the capacity on the heap, so any write past it is caught.
  std::vector<uint8_t> destination(capacities[way % 4], 0xEE);
  DecodeImage(data, size, destination.data(), destination.size(), way < 4 ? palette.data() : nullptr);
  return 0;
}
