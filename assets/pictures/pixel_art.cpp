// SPDX-License-Identifier: GPL-2.0-or-later
#include "assets/pictures/pixel_art.h"

#include <fstream>

#include "assets/pictures/palette.h"

static bool PixelColour(char c, uint8_t* colour) {
  switch (c) {
    case '.':
      *colour = SharedColour::Key;
      return true;
    case 'B':
      *colour = SharedColour::Black;
      return true;
    case 'W':
      *colour = NearestShared({255, 255, 255});
      return true;
    case 'G':
      *colour = NearestShared({136, 136, 136});
      return true;
    default:
      return false;
  }
}

bool ReadPixelArt(const char* path, int width, int height, Canvas* canvas, std::string* error) {
  std::ifstream in(path);
  if (!in) return *error = std::string("cannot open ") + path, false;
  *canvas = Canvas(width, height, SharedColour::Key);
  std::string line;
  int y = 0, number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (y >= height || static_cast<int>(line.size()) != width)
      return *error = std::string(path) + ":" + std::to_string(number) + ": row does not fit the picture", false;
    for (int x = 0; x < width; ++x) {
      uint8_t colour;
      if (!PixelColour(line[static_cast<size_t>(x)], &colour))
        return *error = std::string(path) + ":" + std::to_string(number) + ": unknown pixel character", false;
      canvas->Put(x, y, colour);
    }
    ++y;
  }
  if (y != height) return *error = std::string(path) + ": has " + std::to_string(y) + " rows", false;
  return true;
}
