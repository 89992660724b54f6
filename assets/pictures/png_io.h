// PNG files for the generator and its tests: finished art comes in as PNG
// (rendered from SVG), and pictures can be written as PNG to look at.
#pragma once

#include <png.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "assets/pictures/quantise.h"

// Reads any PNG as 8-bit RGBA; false with a reason on failure.
inline bool ReadPng(const char* path, RgbaImage* image, std::string* error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path)) {
    *error = std::string(path) + ": " + png.message;
    return false;
  }
  if (png.width == 0 || png.height == 0 || png.width > 4096 || png.height > 4096) {
    png_image_free(&png);
    *error = std::string(path) + ": unreasonable size";
    return false;
  }
  png.format = PNG_FORMAT_RGBA;
  image->width = static_cast<int>(png.width);
  image->height = static_cast<int>(png.height);
  image->rgba.assign(PNG_IMAGE_SIZE(png), 0);
  if (!png_image_finish_read(&png, nullptr, image->rgba.data(), 0, nullptr)) {
    *error = std::string(path) + ": " + png.message;
    png_image_free(&png);
    return false;
  }
  return true;
}

// Writes an 8-bit picture expanded through the palette as an RGB PNG.
inline bool WriteIndexedPng(const char* path, const uint8_t* pixels, int width, int height,
                            const std::array<uint8_t, 768>& palette) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) std::memcpy(&rgb[i * 3], &palette[pixels[i] * 3], 3);
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(width);
  png.height = static_cast<png_uint_32>(height);
  png.format = PNG_FORMAT_RGB;
  const bool ok = png_image_write_to_file(&png, path, 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&png);
  return ok;
}
