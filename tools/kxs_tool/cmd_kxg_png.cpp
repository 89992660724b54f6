// SPDX-License-Identifier: GPL-2.0-or-later
// kxg2png and png2kxg: pictures between the game's format and PNG.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "platform/headless/png_io.h"
#include "platform/palette_expand.h"
#include "tools/kxs_tool/commands.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "kxs-tool: %s\n", message.c_str());
  return 1;
}

// A palette file is either a .kxg (its palette is taken) or 768 raw bytes.
bool ReadPaletteFile(const char* path, uint8_t* palette, std::string* error) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, KxgMaxFileBytes, &bytes)) {
    *error = std::string("cannot read ") + path;
    return false;
  }
  int width = 0, height = 0;
  if (ReadImageSize(bytes.data(), bytes.size(), &width, &height)) {
    std::memcpy(palette, bytes.data() + bytes.size() - 768, 768);
    return true;
  }
  if (bytes.size() == 768) {
    std::memcpy(palette, bytes.data(), 768);
    return true;
  }
  *error = std::string(path) + " is neither a .kxg picture nor a 768-byte palette";
  return false;
}

}  // namespace

int CommandKxgToPng(int argc, char** argv) {
  if (argc != 2) return Fail("usage: kxs-tool kxg2png IN.kxg OUT.png");
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(argv[0], KxgMaxFileBytes, &bytes)) return Fail(std::string("cannot read ") + argv[0]);
  int width = 0, height = 0;
  if (!ReadImageSize(bytes.data(), bytes.size(), &width, &height)) {
    return Fail(std::string(argv[0]) + " is not a 256-colour picture");
  }
  if (width <= 0 || height <= 0) return Fail(std::string(argv[0]) + " has no pixels");
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height, 0);
  uint8_t palette[768];
  DecodeImage(bytes.data(), bytes.size(), pixels.data(), pixels.size(), palette);
  // A palette PNG keeps the indices, so png2kxg gives the same picture back.
  if (!WritePngIndexed(argv[1], pixels.data(), width, height, palette)) {
    return Fail(std::string("cannot write ") + argv[1]);
  }
  return 0;
}

int CommandPngToKxg(int argc, char** argv) {
  const char* paletteFile = nullptr;
  if (argc == 4 && std::strcmp(argv[0], "--palette") == 0) {
    paletteFile = argv[1];
    argc -= 2;
    argv += 2;
  }
  if (argc != 2) return Fail("usage: kxs-tool png2kxg [--palette FILE] IN.png OUT.kxg");
  PngImage image;
  std::string error;
  if (!ReadPng(argv[0], &image, &error)) return Fail(error);
  if (image.width > 32767 || image.height > 32767) return Fail("the picture is too large");
  uint8_t palette[768] = {};
  std::vector<uint8_t> pixels(static_cast<size_t>(image.width) * image.height);
  if (paletteFile) {
    if (!ReadPaletteFile(paletteFile, palette, &error)) return Fail(error);
    // Each pixel takes the nearest colour of the given palette.
    for (size_t i = 0; i < pixels.size(); ++i) {
      const uint8_t* c = &image.rgba[4 * i];
      pixels[i] = static_cast<uint8_t>(NearestPaletteEntry(palette, c[0], c[1], c[2]));
    }
  } else if (image.indexed) {
    std::memcpy(palette, image.palette, 768);
    pixels = image.indices;
  } else {
    return Fail(std::string(argv[0]) + " has no palette: give one with --palette FILE");
  }
  if (!WriteImage(argv[1], pixels.data(), image.width, image.height, palette)) {
    return Fail(std::string("cannot write ") + argv[1]);
  }
  return 0;
}
