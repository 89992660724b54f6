// SPDX-License-Identifier: GPL-2.0-or-later
// Finished pictures from their renderings: cut to the picture, dithered to
// the shared palette, with the places where the game swaps in another
// picture (a pressed button, a slot) dithered on their own so that the two
// pictures agree pixel for pixel wherever they show the same thing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "assets/pictures/canvas.h"
#include "assets/pictures/picture_table.h"
#include "assets/pictures/quantise.h"
#include "assets/pictures/render_jobs.h"

// The renderings, read once each from the rendered folder.
class Drawings {
 public:
  explicit Drawings(std::string dir) : dir_(std::move(dir)) {}
  const RgbaImage* Get(const RenderJob& job, std::string* error);
  // The part of job's rendering that is picture p (see CutForPicture).
  bool For(const PictureEntry& p, const RenderJob& job, RgbaImage* out, std::string* error);

 private:
  std::string dir_;
  std::map<std::string, RgbaImage> cache_;
};

// The rectangles (p's own coordinates) that are dithered apart from the
// rest of p: its buttons that have pressed twins and its slots that other
// pictures fill.
std::vector<TableRect> SeparateRegions(const PictureEntry& p, const std::vector<PictureEntry>& table);

// Makes p from its SVG drawing. Pictures it depends on (its slot base, a
// twin's normals) must be in made already.
bool MakeFromDrawing(const PictureEntry& p, const std::vector<PictureEntry>& table, Drawings* drawings,
                     const std::map<std::string, Canvas>& made, Canvas* canvas, std::string* error);
