#include "platform/headless/png_io.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

namespace {

// Writes rows of `bytesPerPixel` bytes; `palette` makes an indexed PNG.
bool WritePng(const char* path, const uint8_t* pixels, int width, int height, const uint8_t* palette) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color colours[256];
  if (palette) {
    for (int i = 0; i < 256; ++i) colours[i] = png_color{palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]};
    png_set_PLTE(png, info, colours, 256);
  }
  png_write_info(png, info);
  const long rowBytes = static_cast<long>(width) * (palette ? 1 : 3);
  for (int y = 0; y < height; ++y) png_write_row(png, const_cast<png_bytep>(pixels + y * rowBytes));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace

bool WritePngRgb(const char* path, const uint8_t* rgb, int width, int height) {
  return WritePng(path, rgb, width, height, nullptr);
}

bool WritePngIndexed(const char* path, const uint8_t* indices, int width, int height, const uint8_t* palette) {
  return WritePng(path, indices, width, height, palette);
}

namespace {

constexpr int MaxPngSide = 16384;

struct ReadState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::FILE* file = nullptr;
  ~ReadState() {
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (file) std::fclose(file);
  }
};

void ReadIndexed(png_structp png, png_infop info, PngImage* image) {
  png_colorp colours = nullptr;
  int count = 0;
  png_get_PLTE(png, info, &colours, &count);
  image->paletteEntries = count > 256 ? 256 : count;
  for (int i = 0; i < image->paletteEntries; ++i) {
    image->palette[3 * i] = colours[i].red;
    image->palette[3 * i + 1] = colours[i].green;
    image->palette[3 * i + 2] = colours[i].blue;
  }
}

}  // namespace

bool ReadPng(const char* path, PngImage* image, std::string* error) {
  ReadState s;
  s.file = PlatformOpenFile(path, "rb");
  if (!s.file) {
    *error = std::string("cannot open ") + path;
    return false;
  }
  uint8_t signature[8];
  if (std::fread(signature, 1, 8, s.file) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
    *error = std::string(path) + " is not a PNG file";
    return false;
  }
  s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  s.info = s.png ? png_create_info_struct(s.png) : nullptr;
  if (!s.png || !s.info) {
    *error = "out of memory";
    return false;
  }
  if (setjmp(png_jmpbuf(s.png))) {
    *error = std::string(path) + " is a damaged PNG file";
    return false;
  }
  png_init_io(s.png, s.file);
  png_set_sig_bytes(s.png, 8);
  png_read_info(s.png, s.info);
  const int width = static_cast<int>(png_get_image_width(s.png, s.info));
  const int height = static_cast<int>(png_get_image_height(s.png, s.info));
  if (width <= 0 || height <= 0 || width > MaxPngSide || height > MaxPngSide) {
    *error = std::string(path) + " has an unsupported size";
    return false;
  }
  const int colourType = png_get_color_type(s.png, s.info);
  const int depth = png_get_bit_depth(s.png, s.info);
  image->width = width;
  image->height = height;
  image->indexed = colourType == PNG_COLOR_TYPE_PALETTE && depth == 8;
  if (image->indexed) {
    ReadIndexed(s.png, s.info, image);
    image->indices.resize(static_cast<size_t>(width) * height);
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y) rows[y] = image->indices.data() + static_cast<long>(y) * width;
    png_read_image(s.png, rows.data());
    image->rgba.resize(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < image->indices.size(); ++i) {
      const uint8_t* c = image->palette + 3 * image->indices[i];
      std::memcpy(&image->rgba[4 * i], c, 3);
      image->rgba[4 * i + 3] = 255;
    }
    png_read_end(s.png, nullptr);
    return true;
  }
  png_set_expand(s.png);
  png_set_strip_16(s.png);
  png_set_gray_to_rgb(s.png);
  png_set_add_alpha(s.png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(s.png, s.info);
  image->rgba.resize(static_cast<size_t>(width) * height * 4);
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y) rows[y] = image->rgba.data() + static_cast<long>(y) * width * 4;
  png_read_image(s.png, rows.data());
  png_read_end(s.png, nullptr);
  return true;
}
