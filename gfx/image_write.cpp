// SPDX-License-Identifier: GPL-2.0-or-later
#include <cstdio>
#include <string>

#include "gfx/image.h"
#include "platform/files.h"

static void PutInt16(std::vector<uint8_t>* out, size_t at, int value) {
  (*out)[at] = static_cast<uint8_t>(value & 0xFF);
  (*out)[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

static void EncodeRow(const uint8_t* row, int width, std::vector<uint8_t>* out) {
  int x = 0;
  while (x < width) {
    const uint8_t value = row[x];
    int run = 1;
    while (x + run < width && run < 63 && row[x + run] == value) ++run;
    // A value with both top bits set must travel as a run, even a single one.
    if (run > 1 || value >= 192) out->push_back(static_cast<uint8_t>(192 | run));
    out->push_back(value);
    x += run;
  }
}

std::vector<uint8_t> EncodeImage(const uint8_t* pixels, int width, int height, const uint8_t* palette) {
  std::vector<uint8_t> out(KxgHeaderBytes, 0);
  out[0] = 10;  // manufacturer
  out[1] = 5;   // version 3.0 with palette
  out[2] = 1;   // run-length coding
  out[3] = 8;   // bits per pixel
  PutInt16(&out, 8, width - 1);
  PutInt16(&out, 10, height - 1);
  PutInt16(&out, 12, 72);
  PutInt16(&out, 14, 72);
  out[65] = 1;                // planes
  PutInt16(&out, 66, width);  // bytes per line: no padding to skip
  PutInt16(&out, 68, 1);      // colour palette
  for (int y = 0; y < height; ++y) EncodeRow(pixels + static_cast<long>(y) * width, width, &out);
  out.push_back(12);
  out.insert(out.end(), palette, palette + 768);
  return out;
}

bool WriteImage(const char* path, const uint8_t* pixels, int width, int height, const uint8_t* palette) {
  if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return false;
  const std::vector<uint8_t> bytes = EncodeImage(pixels, width, height, palette);
  const std::string temporary = std::string(path) + ".tmp";
  std::FILE* file = PlatformOpenFile(temporary.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = (std::fclose(file) == 0) && ok;
  if (ok) ok = PlatformReplaceFile(temporary.c_str(), path);
  if (!ok) std::remove(temporary.c_str());
  return ok;
}
