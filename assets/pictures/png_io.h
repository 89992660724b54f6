// PNG files for the generator: finished art comes in as PNG, and pictures
// can be dumped as PNG to look at them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/pictures/quantise.h"

// Reads any PNG as 8-bit RGBA; false with a reason on failure.
bool ReadPng(const char* path, RgbaImage* image, std::string* error);
// Writes an 8-bit picture expanded through the palette as an RGB PNG.
bool WriteIndexedPng(const char* path, const uint8_t* pixels, int width, int height,
                     const std::array<uint8_t, 768>& palette);
