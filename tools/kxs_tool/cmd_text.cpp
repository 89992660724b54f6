// SPDX-License-Identifier: GPL-2.0-or-later
// kxs-tool text [--fg N] [--bg N] [--shadow N] [--x X] [--y Y] [--scale N]
//               [--root DIR] OUT.png "UTF-8 TEXT"...
// Draws each text on a line of its own through the game's own conversion and
// fonts (DrawTextPlain, or DrawText when a shadow colour is given) and writes
// the part of the frame that holds them as a PNG. The fonts and the palette
// come from the data tree: DIR, else the working directory when it holds
// data/han.fnt, else the tree the build made next to kxs-tool. The palette is
// that of data/main.kxg, or a grey ramp (index i = grey i) without it.
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/files.h"
#include "platform/headless/png_io.h"
#include "platform/wide_path.h"
#include "text/font.h"
#include "text/utf8.h"
#include "tools/kxs_tool/commands.h"

namespace {

constexpr const char* Usage =
    "usage: kxs-tool text [--fg N] [--bg N] [--shadow N] [--x X] [--y Y] [--scale N] [--root DIR] OUT.png "
    "\"TEXT\"...";

struct TextOptions {
  int fg = 55;  // the game's text colour after start-up
  int bg = 0;
  int shadow = -1;
  int x = 4;
  int y = 4;
  int scale = 1;
  std::string root;
  const char* out = nullptr;
  std::vector<const char*> texts;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "kxs-tool text: %s\n", message.c_str());
  return 1;
}

bool ParseNumber(const char* text, int low, int high, int* value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
  *value = static_cast<int>(parsed);
  return true;
}

bool ParseOptions(int argc, char** argv, TextOptions* options, std::string* error) {
  const struct {
    const char* name;
    int* value;
    int low, high;
  } numbers[] = {{"--fg", &options->fg, 0, 255},
                 {"--bg", &options->bg, 0, 255},
                 {"--shadow", &options->shadow, 0, 255},
                 {"--x", &options->x, -FrameWidth, FrameWidth},
                 {"--y", &options->y, -FrameHeight, FrameHeight},
                 {"--scale", &options->scale, 1, 8}};
  int i = 0;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
    if (i + 1 >= argc) {
      *error = std::string(argv[i]) + " needs a value";
      return false;
    }
    if (std::strcmp(argv[i], "--root") == 0) {
      options->root = argv[i + 1];
      continue;
    }
    bool known = false;
    for (const auto& number : numbers) {
      if (std::strcmp(argv[i], number.name) != 0) continue;
      known = true;
      if (!ParseNumber(argv[i + 1], number.low, number.high, number.value)) {
        *error = std::string(argv[i]) + " takes a number from " + std::to_string(number.low) + " to " +
                 std::to_string(number.high) + ", not \"" + argv[i + 1] + "\"";
        return false;
      }
    }
    if (!known) {
      *error = std::string("unknown option ") + argv[i];
      return false;
    }
  }
  if (i + 2 > argc) {
    *error = Usage;
    return false;
  }
  options->out = argv[i];
  for (++i; i < argc; ++i) options->texts.push_back(argv[i]);
  return true;
}

bool Exists(const std::string& path) {
  std::FILE* file = PlatformOpenFile(path.c_str(), "rb");
  if (file != nullptr) std::fclose(file);
  return file != nullptr;
}

std::string DataRoot(const std::string& given) {
  if (!given.empty()) return given;
  if (Exists("data/han.fnt")) return ".";
#ifdef _WIN32
  std::string dir = ProgramFolder();
  if (dir.empty()) return ".";
  dir += '/';
#else
  char self[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return ".";
  std::string dir(self, static_cast<size_t>(length));
  dir.erase(dir.find_last_of('/') + 1);
#endif
  return dir + "game";
}

// The palette of data/main.kxg, or the grey ramp; says which on stdout.
void LoadPalette(const std::string& root, uint8_t* palette) {
  const std::string path = root + "/data/main.kxg";
  std::vector<uint8_t> bytes;
  int width = 0, height = 0;
  if (ReadWholeFile(path.c_str(), KxgMaxFileBytes, &bytes) &&
      ReadImageSize(bytes.data(), bytes.size(), &width, &height) && width > 0 && height > 0) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
    LoadImageWithPalette(pixels.data(), pixels.size(), path.c_str(), palette);
    std::printf("palette: %s\n", path.c_str());
    return;
  }
  for (int i = 0; i < 256; ++i) palette[i * 3] = palette[i * 3 + 1] = palette[i * 3 + 2] = static_cast<uint8_t>(i);
  std::printf("palette: grey ramp (no picture at %s)\n", path.c_str());
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

int CommandText(int argc, char** argv) {
  TextOptions options;
  std::string error;
  if (!ParseOptions(argc, argv, &options, &error)) return Fail(error);
  const std::string root = DataRoot(options.root);
  const std::string han = root + "/data/han.fnt";
  const std::string eng = root + "/data/eng.fnt";
  if (LoadFonts(han.c_str(), eng.c_str()) == 0) return Fail(FontLoadError());
  uint8_t palette[768] = {};
  LoadPalette(root, palette);

  std::vector<uint8_t> frame(FrameBytes, static_cast<uint8_t>(options.bg));
  const int lineHeight = options.shadow >= 0 ? 20 : 18;
  int right = 0, bottom = 0;
  for (size_t line = 0; line < options.texts.size(); ++line) {
    std::string johab;
    if (!Utf8ToJohab(options.texts[line], &johab)) {
      std::fprintf(stderr, "kxs-tool text: line %zu has characters without a Johab code, drawn as spaces\n", line + 1);
    }
    const int y = options.y + static_cast<int>(line) * lineHeight;
    if (options.shadow >= 0) {
      DrawText(frame.data(), options.x, y, johab.c_str(), static_cast<uint8_t>(options.fg),
               static_cast<uint8_t>(options.shadow));
    } else {
      TextColour = static_cast<uint8_t>(options.fg);
      DrawTextPlain(frame.data(), options.x, y, johab.c_str());
    }
    const int shadow = options.shadow >= 0 ? 2 : 0;
    right = std::max(right, TextX + shadow);
    bottom = std::max(bottom, TextY + 16 + shadow);
  }
  FreeFonts();

  // The frame from its top-left corner to just past the text.
  const int width = Clamp(right + 4, 1, FrameWidth);
  const int height = Clamp(bottom + 4, 1, FrameHeight);
  const int scale = options.scale;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * scale * height * scale * 3);
  for (int y = 0; y < height * scale; ++y) {
    for (int x = 0; x < width * scale; ++x) {
      const uint8_t index = frame[(y / scale) * FrameWidth + x / scale];
      std::memcpy(&rgb[(static_cast<size_t>(y) * width * scale + x) * 3], &palette[index * 3], 3);
    }
  }
  if (!WritePngRgb(options.out, rgb.data(), width * scale, height * scale)) {
    return Fail(std::string("cannot write ") + options.out);
  }
  return 0;
}
