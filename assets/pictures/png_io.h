// SPDX-License-Identifier: GPL-2.0-or-later
// PNG files for the generator and its tests: finished art comes in as PNG
// (rendered from SVG), and pictures can be written as PNG to look at. The
// reading and writing are the headless backend's, the same on every system.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "assets/pictures/quantise.h"
#include "platform/headless/png_io.h"

// Reads any PNG as 8-bit RGBA; false with a reason on failure.
inline bool ReadPng(const char* path, RgbaImage* image, std::string* error) {
  PngImage png;
  if (!ReadPng(path, &png, error)) return false;
  if (png.width > 4096 || png.height > 4096) {
    *error = std::string(path) + ": unreasonable size";
    return false;
  }
  image->width = png.width;
  image->height = png.height;
  image->rgba = std::move(png.rgba);
  return true;
}

// Writes an 8-bit picture expanded through the palette as an RGB PNG.
inline bool WriteIndexedPng(const char* path, const uint8_t* pixels, int width, int height,
                            const std::array<uint8_t, 768>& palette) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) std::memcpy(&rgb[i * 3], &palette[pixels[i] * 3], 3);
  return WritePngRgb(path, rgb.data(), width, height);
}
