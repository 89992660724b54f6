// SPDX-License-Identifier: GPL-2.0-or-later
// The game's pictures: ".kxg" files, which are 256-colour PCX images (one
// plane of 8 bits, run-length coded, palette at the end of the file).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr size_t KxgHeaderBytes = 128;
// No picture of the game comes near this; a larger file is not a picture.
constexpr size_t KxgMaxFileBytes = 16u << 20;

// Decodes the pixels of a .kxg file into destination (packed, width bytes a
// row). capacity is the destination's size: a file whose width x height is
// larger, zero or negative writes nothing. A missing or invalid file leaves
// the destination untouched; a file that ends early leaves the rest of it.
void LoadImage(uint8_t* destination, size_t capacity, const char* path);
// As LoadImage, and also fills palette (768 bytes) from the file.
void LoadImageWithPalette(uint8_t* destination, size_t capacity, const char* path, uint8_t* palette);

// The same decoding from bytes in memory (palette may be null). Returns true
// when the header was accepted and pixels were decoded.
bool DecodeImage(const uint8_t* data, size_t size, uint8_t* destination, size_t capacity, uint8_t* palette);

// Width and height from a header, as signed 16-bit values; false when the
// header is not one the loaders accept.
bool ReadImageSize(const uint8_t* data, size_t size, int* width, int* height);

// Reads a whole file (at most maxBytes) into bytes; false when it cannot be
// opened or is larger.
bool ReadWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>* bytes);

// Encodes a packed picture as .kxg bytes: run-length coded rows of exactly
// width bytes (no padding), palette marker, palette.
std::vector<uint8_t> EncodeImage(const uint8_t* pixels, int width, int height, const uint8_t* palette);
// Writes EncodeImage's bytes to path through a temporary file and a rename.
bool WriteImage(const char* path, const uint8_t* pixels, int width, int height, const uint8_t* palette);
