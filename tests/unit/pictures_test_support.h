// The picture table and the pictures and drawings the build made from it,
// loaded once for the picture tests: the Korean ones, or with
// KXS_TEST_LANGUAGE=LANG those of a translation (its overlay of the tree
// over the Korean pictures, and its renderings).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <map>
#include <string>
#include <vector>

#include "assets/pictures/alignment.h"
#include "assets/pictures/palette.h"
#include "assets/pictures/picture_table.h"
#include "assets/pictures/png_io.h"
#include "assets/pictures/render_jobs.h"
#include "gfx/image.h"

namespace picture_tests {

// The relative luminance of a palette entry and the contrast of two, as the
// web's accessibility guidelines count them (4.5 for text, 7 for small text).
inline double Luminance(const std::array<uint8_t, 768>& pal, int index) {
  auto channel = [&](int c) {
    const double v = pal[index * 3 + c] / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(0) + 0.7152 * channel(1) + 0.0722 * channel(2);
}

inline double Contrast(const std::array<uint8_t, 768>& pal, int a, int b) {
  const double la = Luminance(pal, a), lb = Luminance(pal, b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
  std::vector<uint8_t> palette;
};

inline const std::vector<PictureEntry>& Table() {
  static const std::vector<PictureEntry> table = [] {
    std::vector<PictureEntry> t;
    std::string error;
    if (!ReadPictureTable(KXS_SOURCE_DIR "/assets/pictures/pictures.txt", &t, &error)) ADD_FAILURE() << error;
    return t;
  }();
  return table;
}

inline std::string TestLanguage() {
  const char* language = std::getenv("KXS_TEST_LANGUAGE");
  return language ? language : "";
}

// A file of the tree as the game opens it in the tested language.
inline std::string TreeFile(const std::string& path) {
  const std::string overlay = std::string(KXS_GAME_TREE) + "/" + TestLanguage() + "/" + path;
  std::error_code ignored;
  if (!TestLanguage().empty() && std::filesystem::is_regular_file(overlay, ignored)) return overlay;
  return std::string(KXS_GAME_TREE) + "/" + path;
}

// Loads a picture of the tree the way the game does, sized from its header.
inline bool Load(const std::string& path, Picture* picture) {
  const std::string file = TreeFile(path);
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(file.c_str(), KxgMaxFileBytes, &bytes)) return false;
  if (!ReadImageSize(bytes.data(), bytes.size(), &picture->width, &picture->height)) return false;
  if (picture->width <= 0 || picture->height <= 0) return false;
  // Filled with the key first, so that pixels the file fails to deliver show.
  picture->pixels.assign(static_cast<size_t>(picture->width) * picture->height, SharedColour::Key);
  picture->palette.assign(768, 0);
  LoadImageWithPalette(picture->pixels.data(), picture->pixels.size(), file.c_str(), picture->palette.data());
  return true;
}

inline const Picture& Loaded(const std::string& path) {
  static std::map<std::string, Picture> cache;
  auto found = cache.find(path);
  if (found == cache.end()) {
    Picture p;
    if (!Load(path, &p)) ADD_FAILURE() << "cannot load " << path;
    found = cache.emplace(path, p).first;
  }
  return found->second;
}


// The build's renderings of the SVG drawings, beside the data tree.
inline std::string RenderedDir() {
  const std::string language = TestLanguage();
  return std::string(KXS_GAME_TREE) + "/../assets/pictures/rendered" + (language.empty() ? "" : "-" + language);
}

// job's rendering cut to picture p, as the generator cut it.
inline const RgbaImage& Drawing(const PictureEntry& p, const RenderJob& job) {
  static std::map<std::string, RgbaImage> cache;
  const std::string key = p.path + "|" + RenderedName(job);
  auto found = cache.find(key);
  if (found == cache.end()) {
    RgbaImage rendered, cut;
    std::string error;
    if (!ReadPng((RenderedDir() + "/" + RenderedName(job)).c_str(), &rendered, &error) ||
        !CutForPicture(rendered, p, &cut, &error))
      ADD_FAILURE() << error;
    found = cache.emplace(key, cut).first;
  }
  return found->second;
}

}  // namespace picture_tests

using namespace picture_tests;
