// SPDX-License-Identifier: GPL-2.0-or-later
#include <cstdio>
#include <cstring>

#include "gfx/image.h"
#include "platform/files.h"

namespace {

int16_t ReadInt16(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }

struct KxgHeader {
  int width, height;  // signed 16-bit results, as the loaders compute them
  int padding;        // bytes after the last pixel of a row (0, 1 or 2)
};

bool ParseHeader(const uint8_t* data, size_t size, KxgHeader* header) {
  if (size < KxgHeaderBytes + 769) return false;
  if (data[0] != 10 || data[3] != 8 || data[65] != 1) return false;
  if (data[size - 769] != 12) return false;
  const int16_t width = static_cast<int16_t>(ReadInt16(data + 8) - ReadInt16(data + 4) + 1);
  const int16_t height = static_cast<int16_t>(ReadInt16(data + 10) - ReadInt16(data + 6) + 1);
  const int16_t bytesPerLine = ReadInt16(data + 66);
  const int16_t resolution = ReadInt16(data + 12);
  header->width = width;
  header->height = height;
  header->padding = 0;
  // Padding is skipped as raw bytes: one, and a second unless the picture is
  // 320 wide or its resolution field is zero.
  if (bytesPerLine - width > 0) header->padding = (resolution != 0 && width != 320) ? 2 : 1;
  return true;
}

// The decoding walk. The pixel data is read from offset 128 up to the end of
// the file, palette included, exactly as a byte stream would deliver it.
void DecodePixels(const uint8_t* data, size_t size, const KxgHeader& h, uint8_t* destination) {
  size_t in = KxgHeaderBytes;
  auto next = [&](int* byte) {
    if (in >= size) return false;
    *byte = data[in++];
    return true;
  };
  int byte;
  if (!next(&byte)) return;
  long out = 0;
  int row = 0, column = 0;
  for (;;) {
    int run = 1, value = byte;
    if (byte >= 192) {
      run = byte & 63;
      // A run byte at the very end of the file writes its run with 255.
      if (!next(&value)) value = 255;
    }
    for (int i = 0; i < run && row < h.height; ++i) {
      destination[out++] = static_cast<uint8_t>(value);
      if (++column == h.width) {
        int discard;
        for (int p = 0; p < h.padding; ++p) next(&discard);
        ++row;
        column = 0;
        break;  // a run never continues into the next row
      }
    }
    if (row >= h.height) return;
    if (!next(&byte)) return;
  }
}

}  // namespace

bool ReadImageSize(const uint8_t* data, size_t size, int* width, int* height) {
  KxgHeader h;
  if (!ParseHeader(data, size, &h)) return false;
  *width = h.width;
  *height = h.height;
  return true;
}

bool DecodeImage(const uint8_t* data, size_t size, uint8_t* destination, size_t capacity, uint8_t* palette) {
  KxgHeader h;
  if (!ParseHeader(data, size, &h)) return false;
  if (h.width <= 0 || h.height <= 0) return false;
  if (static_cast<size_t>(h.width) * static_cast<size_t>(h.height) > capacity) return false;
  if (palette) std::memcpy(palette, data + size - 768, 768);
  DecodePixels(data, size, h, destination);
  return true;
}

bool ReadWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>* bytes) {
  std::FILE* file = PlatformOpenFile(PlatformFilePath(path).c_str(), "rb");
  if (!file) return false;
  bytes->clear();
  uint8_t chunk[65536];
  bool ok = true;
  for (;;) {
    size_t got = std::fread(chunk, 1, sizeof chunk, file);
    if (got == 0) break;
    if (bytes->size() + got > maxBytes) {
      ok = false;
      break;
    }
    bytes->insert(bytes->end(), chunk, chunk + got);
  }
  if (std::ferror(file)) ok = false;
  std::fclose(file);
  return ok;
}

static void LoadFromFile(uint8_t* destination, size_t capacity, const char* path, uint8_t* palette) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, KxgMaxFileBytes, &bytes)) return;
  DecodeImage(bytes.data(), bytes.size(), destination, capacity, palette);
}

void LoadImage(uint8_t* destination, size_t capacity, const char* path) {
  LoadFromFile(destination, capacity, path, nullptr);
}

void LoadImageWithPalette(uint8_t* destination, size_t capacity, const char* path, uint8_t* palette) {
  LoadFromFile(destination, capacity, path, palette);
}
