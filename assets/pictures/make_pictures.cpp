// SPDX-License-Identifier: GPL-2.0-or-later
// kxs-make-pictures: writes every picture of the picture table into the data
// tree, all with the shared palette. SVG drawings from art/ are rendered
// with rsvg-convert (only those changed since their last rendering), checked
// against the table's hot areas and dithered to the palette; pixel art comes
// as text; a picture without art is a labelled placeholder.
//
//   kxs-make-pictures --table pictures.txt --art DIR --rendered DIR --tree DIR
//                     [--rsvg PROGRAM] [--jobs N] [--png DIR]
//                     [--language CODE --lang DIR --translated DIR --base DIR]
//
// --png also writes each picture as PNG (flat file names) to look at.
// --language makes the pictures of a translation (text/catalogue.h): the
// drawings are copied into --translated with their words in that language
// and the look of lang/ (translate_art.h), and only the pictures that differ
// from those of the tree --base are written, into --tree: the language's
// overlay of the data tree.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "assets/pictures/alignment.h"
#include "assets/pictures/compose.h"
#include "assets/pictures/palette.h"
#include "assets/pictures/pixel_art.h"
#include "assets/pictures/placeholder.h"
#include "assets/pictures/png_io.h"
#include "assets/pictures/quantise.h"
#include "assets/pictures/render.h"
#include "assets/pictures/translate_art.h"
#include "gfx/image.h"
#include "text/catalogue.h"

namespace {

struct Options {
  std::string table, art, rendered, tree, png, rsvg = "rsvg-convert", jobs = "2";
  std::string language, lang, translated, base;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    std::string* target = name == "--table"        ? &o->table
                          : name == "--art"        ? &o->art
                          : name == "--rendered"   ? &o->rendered
                          : name == "--tree"       ? &o->tree
                          : name == "--png"        ? &o->png
                          : name == "--rsvg"       ? &o->rsvg
                          : name == "--jobs"       ? &o->jobs
                          : name == "--language"   ? &o->language
                          : name == "--lang"       ? &o->lang
                          : name == "--translated" ? &o->translated
                          : name == "--base"       ? &o->base
                                                   : nullptr;
    if (!target) return false;
    *target = argv[i + 1];
  }
  const bool translation = !o->language.empty();
  if (translation && (o->lang.empty() || o->translated.empty() || o->base.empty())) return false;
  return argc % 2 == 1 && !o->table.empty() && !o->art.empty() && !o->rendered.empty() && !o->tree.empty();
}

// Pixel art (.txt) or a finished PNG of the picture's own size.
bool LoadOtherArt(const PictureEntry& p, const Options& o, Canvas* canvas, std::string* error) {
  const std::string file = o.art + "/" + p.art;
  if (p.art.size() > 4 && p.art.compare(p.art.size() - 4, 4, ".txt") == 0)
    return ReadPixelArt(file.c_str(), p.width, p.height, canvas, error);
  RgbaImage image;
  if (!ReadPng(file.c_str(), &image, error)) return false;
  if (image.width != p.width || image.height != p.height)
    return *error = file + " is " + std::to_string(image.width) + "x" + std::to_string(image.height), false;
  canvas->pixels = QuantiseFloydSteinberg(image, SharedPalette(), p.sprite);
  return true;
}

bool MakePicture(const PictureEntry& p, const std::vector<PictureEntry>& table, const Options& o, Drawings* drawings,
                 const std::map<std::string, Canvas>& made, Canvas* canvas, std::string* error) {
  if (IsSvg(p.art) || !p.artStyle.empty()) return MakeFromDrawing(p, table, drawings, made, canvas, error);
  if (!p.art.empty()) return LoadOtherArt(p, o, canvas, error);
  if (!p.twins.empty())
    *canvas = RenderTwin(p, table);
  else if (p.sprite)
    *canvas = RenderWalker(p);
  else
    *canvas = RenderPlaceholder(p, table, {});
  return true;
}

bool SameFiles(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::vector<uint8_t> x, y;
  return ReadWholeFile(a.c_str(), KxgMaxFileBytes, &x) && ReadWholeFile(b.c_str(), KxgMaxFileBytes, &y) && x == y;
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
  // A translation's overlay holds only what differs from the tree under it.
  if (!o.base.empty() && SameFiles(out, std::filesystem::path(o.base) / p.path)) {
    std::filesystem::remove(out, ignored);
    return true;
  }
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

// Every drawn button and area against the table, every pressed look against
// its normal drawing.
bool CheckDrawings(const std::vector<PictureEntry>& table, bool labels, Drawings* drawings, std::string* error) {
  std::vector<std::string> problems;
  for (const PictureEntry& p : table) {
    RgbaImage drawn, other;
    if (NeedsProbe(p)) {
      if (!drawings->For(p, JobOf(p), &drawn, error) || !drawings->For(p, ProbeJob(p), &other, error)) return false;
      for (const std::string& s : CheckHotAreas(p, drawn, other)) problems.push_back(s);
      if (labels) {
        if (!drawings->For(p, LabelJob(p), &drawn, error)) return false;
        for (const std::string& s : CheckLabels(p, drawn, other)) problems.push_back(s);
      }
    }
    if (p.artStyle.empty() || p.twins.empty()) continue;
    for (const Twin& t : p.twins) {
      const PictureEntry* normal = FindPicture(table, t.normal);
      if (!normal) continue;
      if (!drawings->For(*normal, JobOf(*normal), &drawn, error) ||
          !drawings->For(*normal, TwinJob(*normal, p), &other, error))
        return false;
      for (const std::string& s : CheckTwinLook(p, *normal, table, drawn, other)) problems.push_back(s);
    }
  }
  for (const std::string& s : problems) *error += (error->empty() ? "" : "\n  ") + s;
  return problems.empty();
}

// Pictures are made in three rounds: first those that depend on no other,
// then those laid into another's slot, then the pressed twins.
int Round(const PictureEntry& p, const std::vector<PictureEntry>& table) {
  if (!p.twins.empty()) return 2;
  return IsSvg(p.art) && !p.sprite && SlotBase(p, table) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: kxs-make-pictures --table FILE --art DIR --rendered DIR --tree DIR [--rsvg PROGRAM] "
                 "[--jobs N] [--png DIR] [--language CODE --lang DIR --translated DIR --base DIR]\n");
    return 2;
  }
  std::string error;
  if (!options.language.empty()) {
    if (!SetLanguage(options.language.c_str())) {
      std::fprintf(stderr, "kxs-make-pictures: no catalogue for the language %s\n", options.language.c_str());
      return 1;
    }
    if (!TranslateArt(options.art, options.lang, options.translated, &error)) {
      std::fprintf(stderr, "kxs-make-pictures: %s\n", error.c_str());
      return 1;
    }
    options.art = options.translated;
  }
  std::vector<PictureEntry> table;
  if (!ReadPictureTable(options.table.c_str(), &table, &error)) {
    std::fprintf(stderr, "%s: %s\n", options.table.c_str(), error.c_str());
    return 1;
  }
  const RenderSetup setup{options.rsvg, options.art, options.rendered, std::max(1, std::atoi(options.jobs.c_str()))};
  int rendered = 0;
  const bool labels = !options.language.empty();
  if (!RenderAll(RenderJobsFor(table, labels), setup, &rendered, &error)) {
    std::fprintf(stderr, "kxs-make-pictures: %s\n", error.c_str());
    return 1;
  }
  Drawings drawings(options.rendered);
  if (!CheckDrawings(table, labels, &drawings, &error)) {
    std::fprintf(stderr, "kxs-make-pictures: the drawings disagree with %s:\n  %s\n", options.table.c_str(),
                 error.c_str());
    return 1;
  }
  if (!options.png.empty()) std::filesystem::create_directories(options.png);
  std::map<std::string, Canvas> made;
  for (int round = 0; round < 3; ++round)
    for (const PictureEntry& p : table) {
      if (Round(p, table) != round) continue;
      Canvas canvas(p.width, p.height, 0);
      if (!MakePicture(p, table, options, &drawings, made, &canvas, &error) ||
          !WritePicture(p, canvas, options, &error)) {
        std::fprintf(stderr, "kxs-make-pictures: %s\n", error.c_str());
        return 1;
      }
      made.emplace(p.path, std::move(canvas));
    }
  std::printf("kxs-make-pictures: %zu pictures, %d drawings rendered\n", table.size(), rendered);
  return 0;
}
