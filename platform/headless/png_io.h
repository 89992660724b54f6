// SPDX-License-Identifier: GPL-2.0-or-later
// PNG files for snapshots and tools.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb: width x height triplets.
bool WritePngRgb(const char* path, const uint8_t* rgb, int width, int height);

// indices: width x height palette indices; palette: 768 bytes (256 entries).
bool WritePngIndexed(const char* path, const uint8_t* indices, int width, int height, const uint8_t* palette);

// A PNG read back: its pixels as RGBA, and, for a palette PNG, its indices and
// palette (palette entries beyond the file's are zero).
struct PngImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
  bool indexed = false;
  std::vector<uint8_t> indices;
  uint8_t palette[768] = {};
  int paletteEntries = 0;
};

// False with a reason when the file is missing or not a PNG this reads.
bool ReadPng(const char* path, PngImage* image, std::string* error);
