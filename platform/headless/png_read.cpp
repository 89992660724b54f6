// SPDX-License-Identifier: GPL-2.0-or-later
// PNG reading on zlib alone: every colour type, bit depth and interlacing of
// the format, pixels as 8-bit RGBA (16-bit samples keep their high byte, a
// tRNS chunk gives alpha); an 8-bit palette picture also keeps its indices.
// The file may be hostile: every length is checked before it is used, and
// memory grows only with data that actually inflates.
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/headless/png_io.h"

namespace {

constexpr uint32_t MaxPngSide = 16384;
constexpr uint32_t MaxChunkBytes = 1u << 30;

uint32_t GetU32(const uint8_t* in) {
  return static_cast<uint32_t>(in[0]) << 24 | static_cast<uint32_t>(in[1]) << 16 | static_cast<uint32_t>(in[2]) << 8 |
         in[3];
}

struct Header {
  uint32_t width = 0, height = 0;
  int depth = 0, colourType = 0, interlace = 0;
  int channels = 0;
};

// The chunks a picture needs, gathered from the file.
struct Chunks {
  Header header;
  bool haveHeader = false, havePalette = false, haveEnd = false;
  uint8_t palette[768] = {};
  int paletteEntries = 0;
  std::vector<uint8_t> transparency;
  std::vector<uint8_t> data;
};

enum class Fault { None, NotPng, Damaged, Size };

bool ValidHeader(Header* h) {
  static const int channels[7] = {1, 0, 3, 1, 2, 0, 4};
  if (h->colourType < 0 || h->colourType > 6 || channels[h->colourType] == 0) return false;
  h->channels = channels[h->colourType];
  const int d = h->depth;
  if (h->colourType == 0) return d == 1 || d == 2 || d == 4 || d == 8 || d == 16;
  if (h->colourType == 3) return d == 1 || d == 2 || d == 4 || d == 8;
  return d == 8 || d == 16;
}

Fault ReadHeader(const uint8_t* body, uint32_t size, Chunks* c) {
  if (size != 13) return Fault::Damaged;
  Header& h = c->header;
  h.width = GetU32(body);
  h.height = GetU32(body + 4);
  h.depth = body[8];
  h.colourType = body[9];
  h.interlace = body[12];
  if (body[10] != 0 || body[11] != 0 || h.interlace > 1 || !ValidHeader(&h)) return Fault::Damaged;
  if (h.width == 0 || h.height == 0 || h.width > MaxPngSide || h.height > MaxPngSide) return Fault::Size;
  c->haveHeader = true;
  return Fault::None;
}

Fault TakeChunk(const char* type, const std::vector<uint8_t>& body, Chunks* c) {
  const uint32_t size = static_cast<uint32_t>(body.size());
  if (std::memcmp(type, "IHDR", 4) == 0) return c->haveHeader ? Fault::Damaged : ReadHeader(body.data(), size, c);
  if (!c->haveHeader) return Fault::Damaged;
  if (std::memcmp(type, "PLTE", 4) == 0) {
    if (c->havePalette || size % 3 != 0 || size == 0 || size > 768 || !c->data.empty()) return Fault::Damaged;
    std::memcpy(c->palette, body.data(), size);
    c->paletteEntries = static_cast<int>(size / 3);
    c->havePalette = true;
  } else if (std::memcmp(type, "tRNS", 4) == 0) {
    c->transparency = body;
  } else if (std::memcmp(type, "IDAT", 4) == 0) {
    if (c->header.colourType == 3 && !c->havePalette) return Fault::Damaged;
    c->data.insert(c->data.end(), body.begin(), body.end());
  } else if (std::memcmp(type, "IEND", 4) == 0) {
    c->haveEnd = true;
  } else if ((type[0] & 0x20) == 0) {
    return Fault::Damaged;  // an unknown chunk the picture cannot do without
  }
  return Fault::None;
}

bool ValidType(const uint8_t* type) {
  for (int i = 0; i < 4; ++i) {
    const uint8_t ch = type[i] & ~0x20;
    if (ch < 'A' || ch > 'Z') return false;
  }
  return true;
}

Fault ReadChunks(std::FILE* file, Chunks* c) {
  uint8_t signature[8];
  static const uint8_t expected[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (std::fread(signature, 1, 8, file) != 8 || std::memcmp(signature, expected, 8) != 0) return Fault::NotPng;
  std::vector<uint8_t> body;
  while (!c->haveEnd) {
    uint8_t head[8], tail[4];
    if (std::fread(head, 1, 8, file) != 8) return Fault::Damaged;
    const uint32_t size = GetU32(head);
    if (size > MaxChunkBytes || !ValidType(head + 4)) return Fault::Damaged;
    body.clear();
    // Read in pieces, so that a chunk claiming more than the file holds costs nothing.
    for (uint32_t done = 0; done < size;) {
      const uint32_t piece = size - done < 65536 ? size - done : 65536;
      body.resize(done + piece);
      if (std::fread(body.data() + done, 1, piece, file) != piece) return Fault::Damaged;
      done += piece;
    }
    if (std::fread(tail, 1, 4, file) != 4) return Fault::Damaged;
    uLong crc = crc32(0L, head + 4, 4);
    if (size > 0) crc = crc32(crc, body.data(), size);
    const bool critical = (head[4] & 0x20) == 0;
    if (static_cast<uint32_t>(crc) != GetU32(tail)) {
      if (critical) return Fault::Damaged;
      continue;  // a damaged optional chunk is passed over
    }
    const Fault fault = TakeChunk(reinterpret_cast<const char*>(head + 4), body, c);
    if (fault != Fault::None) return fault;
  }
  return c->data.empty() ? Fault::Damaged : Fault::None;
}

// Inflates exactly `size` bytes; more data after them is ignored.
bool Inflate(const std::vector<uint8_t>& in, size_t size, std::vector<uint8_t>* out) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(in.data());
  z.avail_in = static_cast<uInt>(in.size());
  int ret = Z_OK;
  while (out->size() < size && ret == Z_OK) {
    const size_t have = out->size();
    const size_t piece = size - have < (1u << 20) ? size - have : (1u << 20);
    out->resize(have + piece);
    z.next_out = out->data() + have;
    z.avail_out = static_cast<uInt>(piece);
    ret = inflate(&z, Z_NO_FLUSH);
    out->resize(have + piece - z.avail_out);
    if (ret == Z_BUF_ERROR && z.avail_out == 0) ret = Z_OK;
  }
  inflateEnd(&z);
  return out->size() == size;
}

uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Undoes the filters of `rows` rows of `rowBytes` bytes (each after its filter byte) in place.
bool Unfilter(uint8_t* data, size_t rows, size_t rowBytes, size_t bpp) {
  const uint8_t* prev = nullptr;
  for (size_t y = 0; y < rows; ++y) {
    uint8_t* line = data + y * (rowBytes + 1);
    const int type = line[0];
    uint8_t* row = line + 1;
    if (type > 4) return false;
    for (size_t i = 0; i < rowBytes; ++i) {
      const int a = i >= bpp ? row[i - bpp] : 0, b = prev ? prev[i] : 0, c = prev && i >= bpp ? prev[i - bpp] : 0;
      int predicted = 0;
      if (type == 1) predicted = a;
      if (type == 2) predicted = b;
      if (type == 3) predicted = (a + b) / 2;
      if (type == 4) predicted = Paeth(a, b, c);
      row[i] = static_cast<uint8_t>(row[i] + predicted);
    }
    prev = row;
  }
  return true;
}

// Sample `index` of a row of `depth`-bit samples.
unsigned Sample(const uint8_t* row, size_t index, int depth) {
  if (depth == 8) return row[index];
  if (depth == 16) return static_cast<unsigned>(row[2 * index]) << 8 | row[2 * index + 1];
  const size_t bit = index * depth;
  return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
}

// One pixel's RGBA from its row.
void PixelColour(const Chunks& c, const uint8_t* row, size_t x, uint8_t* rgba, uint8_t* index) {
  const Header& h = c.header;
  const int d = h.depth;
  const std::vector<uint8_t>& t = c.transparency;
  auto eight = [d](unsigned v) -> uint8_t { return d == 16 ? v >> 8 : d == 8 ? v : v * 255 / ((1u << d) - 1); };
  rgba[3] = 255;
  if (h.colourType == 3) {
    const unsigned i = Sample(row, x, d);
    *index = static_cast<uint8_t>(i);
    std::memcpy(rgba, c.palette + 3 * i, 3);
    if (d < 8 && i < t.size()) rgba[3] = t[i];
    return;
  }
  const size_t n = h.channels;
  unsigned v[4] = {};
  for (size_t k = 0; k < n; ++k) v[k] = Sample(row, x * n + k, d);
  if (n <= 2) {
    rgba[0] = rgba[1] = rgba[2] = eight(v[0]);
    if (n == 2) rgba[3] = eight(v[1]);
    if (n == 1 && t.size() >= 2 && v[0] == (static_cast<unsigned>(t[0]) << 8 | t[1])) rgba[3] = 0;
    return;
  }
  for (int k = 0; k < 3; ++k) rgba[k] = eight(v[k]);
  if (n == 4) rgba[3] = eight(v[3]);
  if (n == 3 && t.size() >= 6 && v[0] == (static_cast<unsigned>(t[0]) << 8 | t[1]) &&
      v[1] == (static_cast<unsigned>(t[2]) << 8 | t[3]) && v[2] == (static_cast<unsigned>(t[4]) << 8 | t[5])) {
    rgba[3] = 0;
  }
}

struct Pass {
  size_t x0, y0, dx, dy;
};

size_t PassSide(size_t full, size_t start, size_t step) { return full > start ? (full - start + step - 1) / step : 0; }

size_t RowBytes(const Header& h, size_t width) { return (width * h.channels * h.depth + 7) / 8; }

// Bytes of the filtered image data: every pass's rows, each with its filter byte.
size_t DataSize(const Header& h, const Pass* passes, int passCount) {
  size_t total = 0;
  for (int p = 0; p < passCount; ++p) {
    const size_t w = PassSide(h.width, passes[p].x0, passes[p].dx),
                 rows = PassSide(h.height, passes[p].y0, passes[p].dy);
    if (w > 0) total += rows * (RowBytes(h, w) + 1);
  }
  return total;
}

bool Decode(const Chunks& c, PngImage* image) {
  static const Pass whole[1] = {{0, 0, 1, 1}};
  static const Pass adam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  const Header& h = c.header;
  const Pass* passes = h.interlace ? adam7 : whole;
  const int passCount = h.interlace ? 7 : 1;
  std::vector<uint8_t> data;
  if (!Inflate(c.data, DataSize(h, passes, passCount), &data)) return false;
  const size_t width = h.width, height = h.height;
  const size_t bpp = (static_cast<size_t>(h.channels) * h.depth + 7) / 8;
  image->width = static_cast<int>(width);
  image->height = static_cast<int>(height);
  image->indexed = h.colourType == 3 && h.depth == 8;
  image->rgba.assign(width * height * 4, 0);
  image->indices.assign(image->indexed ? width * height : 0, 0);
  std::memcpy(image->palette, c.palette, sizeof image->palette);
  image->paletteEntries = c.paletteEntries;
  uint8_t* pass = data.data();
  for (int p = 0; p < passCount; ++p) {
    const Pass& at = passes[p];
    const size_t w = PassSide(width, at.x0, at.dx), rows = PassSide(height, at.y0, at.dy);
    if (w == 0 || rows == 0) continue;
    const size_t rowBytes = RowBytes(h, w);
    if (!Unfilter(pass, rows, rowBytes, bpp)) return false;
    for (size_t r = 0; r < rows; ++r) {
      const uint8_t* row = pass + r * (rowBytes + 1) + 1;
      const size_t y = at.y0 + r * at.dy;
      for (size_t i = 0; i < w; ++i) {
        const size_t at_pixel = y * width + at.x0 + i * at.dx;
        uint8_t index = 0;
        PixelColour(c, row, i, &image->rgba[4 * at_pixel], &index);
        if (image->indexed) {
          image->indices[at_pixel] = index;
          image->rgba[4 * at_pixel + 3] = 255;
        }
      }
    }
    pass += rows * (rowBytes + 1);
  }
  return true;
}

}  // namespace

bool ReadPng(const char* path, PngImage* image, std::string* error) {
  std::FILE* file = PlatformOpenFile(path, "rb");
  if (!file) {
    *error = std::string("cannot open ") + path;
    return false;
  }
  Chunks chunks;
  Fault fault = ReadChunks(file, &chunks);
  std::fclose(file);
  if (fault == Fault::None && !Decode(chunks, image)) fault = Fault::Damaged;
  if (fault == Fault::NotPng) *error = std::string(path) + " is not a PNG file";
  if (fault == Fault::Damaged) *error = std::string(path) + " is a damaged PNG file";
  if (fault == Fault::Size) *error = std::string(path) + " has an unsupported size";
  return fault == Fault::None;
}
