// SPDX-License-Identifier: GPL-2.0-or-later
#include "assets/pictures/compose.h"

#include "assets/pictures/alignment.h"
#include "assets/pictures/palette.h"
#include "assets/pictures/png_io.h"

const RgbaImage* Drawings::Get(const RenderJob& job, std::string* error) {
  const std::string name = RenderedName(job);
  auto found = cache_.find(name);
  if (found != cache_.end()) return &found->second;
  RgbaImage image;
  if (!ReadPng((dir_ + "/" + name).c_str(), &image, error)) return nullptr;
  return &cache_.emplace(name, std::move(image)).first->second;
}

bool Drawings::For(const PictureEntry& p, const RenderJob& job, RgbaImage* out, std::string* error) {
  const RgbaImage* image = Get(job, error);
  return image && CutForPicture(*image, p, out, error);
}

namespace {

// Dithers the rectangle r of image into canvas on its own; fixed (one entry
// a pixel of the whole picture, or empty) as for QuantiseFloydSteinberg.
void DitherApart(const RgbaImage& image, const TableRect& r, bool sprite, const std::vector<int>& fixed,
                 Canvas* canvas) {
  const RgbaImage part = CropImage(image, r);
  std::vector<int> partFixed;
  if (!fixed.empty())
    for (int y = r.y1; y <= r.y2; ++y)
      for (int x = r.x1; x <= r.x2; ++x) partFixed.push_back(fixed[static_cast<size_t>(y) * image.width + x]);
  const std::vector<uint8_t> out =
      QuantiseFloydSteinberg(part, SharedPalette(), sprite, partFixed.empty() ? nullptr : &partFixed);
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) canvas->Put(r.x1 + x, r.y1 + y, out[static_cast<size_t>(y) * r.Width() + x]);
}

// fixed for a picture drawn over `under`: where both drawings agree, the
// index `under` already has there.
std::vector<int> Agreement(const RgbaImage& drawn, const RgbaImage& underDrawn, const Canvas& under, int dx, int dy) {
  std::vector<int> fixed(static_cast<size_t>(drawn.width) * drawn.height, -1);
  for (int y = 0; y < drawn.height; ++y)
    for (int x = 0; x < drawn.width; ++x) {
      const size_t i = (static_cast<size_t>(y) * drawn.width + x) * 4;
      const size_t j = (static_cast<size_t>(y + dy) * underDrawn.width + x + dx) * 4;
      if (std::equal(&drawn.rgba[i], &drawn.rgba[i] + 4, &underDrawn.rgba[j]))
        fixed[static_cast<size_t>(y) * drawn.width + x] = under.At(x + dx, y + dy);
    }
  return fixed;
}

bool MakeTwin(const PictureEntry& p, const std::vector<PictureEntry>& table, Drawings* drawings,
              const std::map<std::string, Canvas>& made, Canvas* canvas, std::string* error) {
  for (const Twin& t : p.twins) {
    const PictureEntry* normal = FindPicture(table, t.normal);
    auto normalCanvas = made.find(t.normal);
    if (!normal || normalCanvas == made.end()) return *error = p.path + ": " + t.normal + " is not made yet", false;
    RgbaImage drawn, pressed;
    if (!drawings->For(*normal, JobOf(*normal), &drawn, error) ||
        !drawings->For(*normal, TwinJob(*normal, p), &pressed, error))
      return false;
    const TableRect r = LocalRect(*normal, t.rect);
    const RgbaImage part = CropImage(pressed, r);
    const std::vector<int> fixed = Agreement(part, drawn, normalCanvas->second, r.x1, r.y1);
    const std::vector<uint8_t> out = QuantiseFloydSteinberg(part, SharedPalette(), false, &fixed);
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) canvas->Put(x, t.row + y, out[static_cast<size_t>(y) * r.Width() + x]);
  }
  return true;
}

}  // namespace

std::vector<TableRect> SeparateRegions(const PictureEntry& p, const std::vector<PictureEntry>& table) {
  std::vector<TableRect> regions;
  for (const PictureEntry& other : table) {
    for (const Twin& t : other.twins)
      if (t.normal == p.path) regions.push_back(LocalRect(p, t.rect));
    if (&other != &p && !other.sprite && SlotBase(other, table) == &p)
      regions.push_back(LocalRect(p, other.OnScreen()));
  }
  return regions;
}

bool MakeFromDrawing(const PictureEntry& p, const std::vector<PictureEntry>& table, Drawings* drawings,
                     const std::map<std::string, Canvas>& made, Canvas* canvas, std::string* error) {
  *canvas = Canvas(p.width, p.height, 0);
  if (!p.twins.empty()) return MakeTwin(p, table, drawings, made, canvas, error);
  RgbaImage drawn;
  if (!drawings->For(p, JobOf(p), &drawn, error)) return false;
  std::vector<int> fixed;
  if (const PictureEntry* base = p.sprite ? nullptr : SlotBase(p, table)) {
    auto baseCanvas = made.find(base->path);
    RgbaImage baseDrawn;
    if (baseCanvas == made.end()) return *error = p.path + ": " + base->path + " is not made yet", false;
    if (!drawings->For(*base, JobOf(*base), &baseDrawn, error)) return false;
    fixed = Agreement(drawn, baseDrawn, baseCanvas->second, p.atX - base->atX, p.atY - base->atY);
  }
  DitherApart(drawn, {0, 0, p.width - 1, p.height - 1}, p.sprite, fixed, canvas);
  for (const TableRect& r : SeparateRegions(p, table)) DitherApart(drawn, r, p.sprite, fixed, canvas);
  return true;
}
