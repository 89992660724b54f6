// SPDX-License-Identifier: GPL-2.0-or-later
// PNG writing on zlib alone, so that every platform writes the same bytes.
// The choices are those of the usual reference encoder's defaults, which the
// stored snapshots were made with: a palette picture is not filtered, an RGB
// one takes per row the filter of the smallest sum of absolute differences
// (ties to the first of None, Sub, Up, Average, Paeth), zlib's default level
// with the "filtered" strategy for filtered rows, IDAT chunks of 8192 bytes,
// a smaller window for a small picture, and no chunk but IHDR, PLTE, IDAT and
// IEND.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/headless/png_io.h"

namespace {

constexpr size_t IdatChunkBytes = 8192;

void PutU32(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value >> 24);
  out[1] = static_cast<uint8_t>(value >> 16);
  out[2] = static_cast<uint8_t>(value >> 8);
  out[3] = static_cast<uint8_t>(value);
}

bool WriteChunk(std::FILE* file, const char* type, const uint8_t* data, size_t size) {
  uint8_t head[8];
  PutU32(head, static_cast<uint32_t>(size));
  std::memcpy(head + 4, type, 4);
  uLong crc = crc32(0L, head + 4, 4);
  if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
  uint8_t tail[4];
  PutU32(tail, static_cast<uint32_t>(crc));
  return std::fwrite(head, 1, 8, file) == 8 && (size == 0 || std::fwrite(data, 1, size, file) == size) &&
         std::fwrite(tail, 1, 4, file) == 4;
}

uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

// out = filter byte and the row filtered by `type` against `prev` (zeros above
// the first row), bpp bytes per pixel. Returns the filter's measure of the
// row, each byte as a signed difference summed, or stops as soon as it
// passes `limit`, as a row that cannot win.
size_t FilterRow(int type, const uint8_t* row, const uint8_t* prev, size_t size, size_t bpp, size_t limit,
                 uint8_t* out) {
  out[0] = static_cast<uint8_t>(type);
  size_t sum = 0;
  for (size_t i = 0; i < size && sum <= limit; ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
    int predicted = 0;
    if (type == 1) predicted = a;
    if (type == 2) predicted = b;
    if (type == 3) predicted = (a + b) / 2;
    if (type == 4) predicted = Paeth(a, b, c);
    const uint8_t v = static_cast<uint8_t>(row[i] - predicted);
    out[i + 1] = v;
    sum += v < 128 ? v : 256 - v;
  }
  return sum;
}

// The filters worth trying: a single row has nothing above it, a single
// column nothing to its left.
unsigned FilterSet(int width, int height) {
  unsigned set = 0x1f;
  if (height == 1) set &= ~(1u << 2 | 1u << 3 | 1u << 4);
  if (width == 1) set &= ~(1u << 1 | 1u << 3 | 1u << 4);
  return set;
}

// The filtered row of least cost among `set` (bit n: filter n) into best
// (size + 1 bytes).
void ChooseFilter(const uint8_t* row, const uint8_t* prev, size_t size, size_t bpp, unsigned set,
                  std::vector<uint8_t>* best, std::vector<uint8_t>* trial) {
  size_t bestCost = FilterRow(0, row, prev, size, bpp, SIZE_MAX, best->data());
  for (int type = 1; type <= 4; ++type) {
    if ((set & (1u << type)) == 0) continue;
    const size_t cost = FilterRow(type, row, prev, size, bpp, bestCost, trial->data());
    if (cost < bestCost) {
      bestCost = cost;
      best->swap(*trial);
    }
  }
}

// The window of a small picture's stream, as its encoder narrows it.
int WindowBits(size_t dataSize) {
  int bits = 15;
  if (dataSize <= 16384) {
    unsigned half = 1U << (bits - 1);
    while (dataSize + 262 <= half) {
      half >>= 1;
      --bits;
    }
  }
  return bits == 8 ? 9 : bits;
}

// The zlib header of a small picture's stream claims the smallest window its
// data needs, as the reference encoder writes it.
void NarrowHeader(uint8_t* stream, size_t dataSize) {
  if (dataSize > 16384) return;
  unsigned cmf = stream[0];
  if ((cmf & 0x0f) != 8 || (cmf & 0xf0) > 0x70) return;
  unsigned info = cmf >> 4;
  unsigned half = 1U << (info + 7);
  if (dataSize > half) return;
  do {
    half >>= 1;
    --info;
  } while (info > 0 && dataSize <= half);
  cmf = (cmf & 0x0f) | (info << 4);
  stream[0] = static_cast<uint8_t>(cmf);
  unsigned flags = stream[1] & 0xe0;
  flags += 0x1f - ((cmf << 8) + flags) % 0x1f;
  stream[1] = static_cast<uint8_t>(flags);
}

struct IdatWriter {
  std::FILE* file = nullptr;
  size_t dataSize = 0;
  z_stream z{};
  uint8_t buffer[IdatChunkBytes] = {};
  bool first = true;

  bool Emit(size_t size) {
    if (first && size >= 2) NarrowHeader(buffer, dataSize);
    first = false;
    const bool ok = WriteChunk(file, "IDAT", buffer, size);
    z.next_out = buffer;
    z.avail_out = IdatChunkBytes;
    return ok;
  }

  // Compresses `size` bytes; with `finish` ends the stream.
  bool Feed(const uint8_t* data, size_t size, bool finish) {
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    for (;;) {
      const int ret = deflate(&z, finish ? Z_FINISH : Z_NO_FLUSH);
      if (ret == Z_STREAM_ERROR) return false;
      if (z.avail_out == 0 && !Emit(IdatChunkBytes)) return false;
      if (finish && ret == Z_STREAM_END) return z.avail_out == IdatChunkBytes || Emit(IdatChunkBytes - z.avail_out);
      if (!finish && z.avail_in == 0) return true;
    }
  }
};

bool WriteImageData(std::FILE* file, const uint8_t* pixels, int width, int height, size_t bpp, bool filtered) {
  const size_t rowBytes = static_cast<size_t>(width) * bpp;
  IdatWriter idat;
  idat.file = file;
  idat.dataSize = static_cast<size_t>(height) * (rowBytes + 1);
  if (deflateInit2(&idat.z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, WindowBits(idat.dataSize), 8,
                   filtered ? Z_FILTERED : Z_DEFAULT_STRATEGY) != Z_OK) {
    return false;
  }
  idat.z.next_out = idat.buffer;
  idat.z.avail_out = IdatChunkBytes;
  std::vector<uint8_t> best(rowBytes + 1), trial(rowBytes + 1), zeros(rowBytes, 0);
  bool ok = true;
  for (int y = 0; ok && y < height; ++y) {
    const uint8_t* row = pixels + y * rowBytes;
    if (filtered) {
      ChooseFilter(row, y > 0 ? row - rowBytes : zeros.data(), rowBytes, bpp, FilterSet(width, height), &best, &trial);
    } else {
      best[0] = 0;
      std::memcpy(best.data() + 1, row, rowBytes);
    }
    ok = idat.Feed(best.data(), rowBytes + 1, false);
  }
  ok = ok && idat.Feed(nullptr, 0, true);
  deflateEnd(&idat.z);
  return ok;
}

bool WritePng(const char* path, const uint8_t* pixels, int width, int height, const uint8_t* palette) {
  if (width <= 0 || height <= 0) return false;
  std::FILE* file = PlatformOpenFile(path, "wb");
  if (!file) return false;
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  uint8_t header[13];
  PutU32(header, static_cast<uint32_t>(width));
  PutU32(header + 4, static_cast<uint32_t>(height));
  header[8] = 8;
  header[9] = palette ? 3 : 2;
  header[10] = header[11] = header[12] = 0;
  bool ok = std::fwrite(signature, 1, 8, file) == 8 && WriteChunk(file, "IHDR", header, sizeof header);
  if (ok && palette) ok = WriteChunk(file, "PLTE", palette, 768);
  ok = ok && WriteImageData(file, pixels, width, height, palette ? 1 : 3, !palette);
  ok = ok && WriteChunk(file, "IEND", nullptr, 0);
  return std::fclose(file) == 0 && ok;
}

}  // namespace

bool WritePngRgb(const char* path, const uint8_t* rgb, int width, int height) {
  return WritePng(path, rgb, width, height, nullptr);
}

bool WritePngIndexed(const char* path, const uint8_t* indices, int width, int height, const uint8_t* palette) {
  return WritePng(path, indices, width, height, palette);
}
