// kxs-make-pictures: writes every picture of the picture table into the data
// tree, all with the shared palette. Finished art is taken from art/ (SVG
// already rendered to PNG by the build, then dithered to the palette; or
// pixel art as text); every other picture is a labelled placeholder.
//
//   kxs-make-pictures --table pictures.txt --art DIR --rendered DIR --tree DIR [--png DIR]
//
// --png also writes each picture as PNG (flat file names) to look at.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "assets/pictures/palette.h"
#include "assets/pictures/pixel_art.h"
#include "assets/pictures/placeholder.h"
#include "assets/pictures/png_io.h"
#include "assets/pictures/quantise.h"
#include "gfx/image.h"

namespace {

struct Options {
  std::string table, art, rendered, tree, png;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    std::string* target = name == "--table" ? &o->table
                          : name == "--art" ? &o->art
                          : name == "--rendered" ? &o->rendered
                          : name == "--tree" ? &o->tree
                          : name == "--png" ? &o->png
                                            : nullptr;
    if (!target) return false;
    *target = argv[i + 1];
  }
  return argc % 2 == 1 && !o->table.empty() && !o->art.empty() && !o->rendered.empty() && !o->tree.empty();
}

// Finished art: a .txt is pixel art; an .svg was rendered by the build to
// RENDERED/NAME.png; a .png is read from art/ itself.
bool LoadArt(const PictureEntry& p, const Options& o, Canvas* canvas, std::string* error) {
  const std::filesystem::path art(p.art);
  if (art.extension() == ".txt") return ReadPixelArt((o.art + "/" + p.art).c_str(), p.width, p.height, canvas, error);
  const std::string png = art.extension() == ".svg" ? o.rendered + "/" + art.stem().string() + ".png" : o.art + "/" + p.art;
  RgbaImage image;
  if (!ReadPng(png.c_str(), &image, error)) return false;
  if (image.width != p.width || image.height != p.height) {
    *error = png + " is " + std::to_string(image.width) + "x" + std::to_string(image.height);
    return false;
  }
  canvas->pixels = QuantiseFloydSteinberg(image, SharedPalette(), p.sprite);
  return true;
}

bool MakePicture(const PictureEntry& p, const std::vector<PictureEntry>& table, const Options& o, Canvas* canvas,
                 std::string* error) {
  if (!p.art.empty()) return LoadArt(p, o, canvas, error);
  if (!p.twins.empty())
    *canvas = RenderTwin(p, table);
  else if (p.sprite)
    *canvas = RenderWalker(p);
  else
    *canvas = RenderPlaceholder(p, table, {});
  return true;
}

bool WritePicture(const PictureEntry& p, const Canvas& canvas, const Options& o, std::string* error) {
  if (canvas.width != p.width || canvas.height != p.height ||
      canvas.pixels.size() != static_cast<size_t>(p.width) * p.height)
    return *error = p.path + ": drawn at the wrong size", false;
  if (!p.sprite)
    for (uint8_t v : canvas.pixels)
      if (v == SharedColour::Key) return *error = p.path + ": the transparent key in an opaque picture", false;
  const std::filesystem::path out = std::filesystem::path(o.tree) / p.path;
  std::error_code ignored;
  std::filesystem::create_directories(out.parent_path(), ignored);
  if (!WriteImage(out.c_str(), canvas.pixels.data(), p.width, p.height, SharedPalette().data()))
    return *error = "cannot write " + out.string(), false;
  if (!o.png.empty()) {
    std::string flat = p.path;
    for (char& c : flat)
      if (c == '/') c = '_';
    const std::string png = o.png + "/" + flat.substr(0, flat.size() - 4) + ".png";
    if (!WriteIndexedPng(png.c_str(), canvas.pixels.data(), p.width, p.height, SharedPalette()))
      return *error = "cannot write " + png, false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: kxs-make-pictures --table FILE --art DIR --rendered DIR --tree DIR [--png DIR]\n");
    return 2;
  }
  std::vector<PictureEntry> table;
  std::string error;
  if (!ReadPictureTable(options.table.c_str(), &table, &error)) {
    std::fprintf(stderr, "%s: %s\n", options.table.c_str(), error.c_str());
    return 1;
  }
  if (!options.png.empty()) std::filesystem::create_directories(options.png);
  for (const PictureEntry& p : table) {
    Canvas canvas(p.width, p.height, 0);
    if (!MakePicture(p, table, options, &canvas, &error) || !WritePicture(p, canvas, options, &error)) {
      std::fprintf(stderr, "kxs-make-pictures: %s\n", error.c_str());
      return 1;
    }
  }
  std::printf("kxs-make-pictures: %zu pictures\n", table.size());
  return 0;
}
