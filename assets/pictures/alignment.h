// SPDX-License-Identifier: GPL-2.0-or-later
// Checks of the SVG drawings against the picture table, on their
// renderings: each button and area is drawn exactly over its hot area, and
// a pressed look changes its button and nothing else. The generator runs
// them before it writes a picture; the tests run them again.
#pragma once

#include <string>
#include <vector>

#include "assets/pictures/picture_table.h"
#include "assets/pictures/quantise.h"

// The rectangle r of the screen in p's own coordinates, cut to the picture.
inline TableRect LocalRect(const PictureEntry& p, const TableRect& r) {
  return {std::max(0, r.x1 - p.atX), std::max(0, r.y1 - p.atY), std::min(p.width - 1, r.x2 - p.atX),
          std::min(p.height - 1, r.y2 - p.atY)};
}

inline RgbaImage CropImage(const RgbaImage& image, const TableRect& r) {
  RgbaImage out;
  out.width = r.Width();
  out.height = r.Height();
  out.rgba.resize(static_cast<size_t>(out.width) * out.height * 4);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      for (int c = 0; c < 4; ++c)
        out.rgba[(static_cast<size_t>(y) * out.width + x) * 4 + c] =
            image.rgba[(static_cast<size_t>(r.y1 + y) * image.width + r.x1 + x) * 4 + c];
  return out;
}

// p's part of a rendering: all of it when it has p's size, p's rectangle
// when the drawing is the whole screen (a panel or a slot cut from it).
inline bool CutForPicture(const RgbaImage& rendered, const PictureEntry& p, RgbaImage* out, std::string* why) {
  if (rendered.width == p.width && rendered.height == p.height) {
    *out = rendered;
    return true;
  }
  if (rendered.width == 640 && rendered.height == 480) {
    *out = CropImage(rendered, p.OnScreen());
    return true;
  }
  *why = p.path + ": its drawing is " + std::to_string(rendered.width) + "x" + std::to_string(rendered.height) +
         ", neither its own size nor the screen's";
  return false;
}

inline bool SamePixel(const RgbaImage& a, const RgbaImage& b, int x, int y) {
  const size_t i = (static_cast<size_t>(y) * a.width + x) * 4;
  return a.rgba[i] == b.rgba[i] && a.rgba[i + 1] == b.rgba[i + 1] && a.rgba[i + 2] == b.rgba[i + 2] &&
         a.rgba[i + 3] == b.rgba[i + 3];
}

namespace alignment_detail {

// How close to an edge the drawing must come: exactly onto it, or, where
// the hot area runs on past the picture, onto the picture's frame.
constexpr int ClippedEdgeSlack = 4;

inline std::string ScreenPoint(const PictureEntry& p, int x, int y) {
  return "(" + std::to_string(x + p.atX) + "," + std::to_string(y + p.atY) + ")";
}

// Whether the differing pixels inside r reach each of r's edges; names the
// first edge they miss.
inline bool ReachesEdges(const PictureEntry& p, const TableRect& screen, const std::vector<bool>& differs,
                         std::string* missed) {
  const TableRect r = LocalRect(p, screen);
  int left = r.x2 + 1, right = r.x1 - 1, top = r.y2 + 1, bottom = r.y1 - 1;
  for (int y = r.y1; y <= r.y2; ++y)
    for (int x = r.x1; x <= r.x2; ++x)
      if (differs[static_cast<size_t>(y) * p.width + x]) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  auto slack = [&](bool clipped) { return clipped ? ClippedEdgeSlack : 0; };
  const bool clippedLeft = screen.x1 < p.atX, clippedTop = screen.y1 < p.atY;
  const bool clippedRight = screen.x2 > p.atX + p.width - 1, clippedBottom = screen.y2 > p.atY + p.height - 1;
  if (left - r.x1 > slack(clippedLeft)) return *missed = "left edge x " + std::to_string(screen.x1), false;
  if (r.x2 - right > slack(clippedRight)) return *missed = "right edge x " + std::to_string(screen.x2), false;
  if (top - r.y1 > slack(clippedTop)) return *missed = "top edge y " + std::to_string(screen.y1), false;
  if (r.y2 - bottom > slack(clippedBottom)) return *missed = "bottom edge y " + std::to_string(screen.y2), false;
  return true;
}

}  // namespace alignment_detail

// drawn: p's drawing; bare: the same drawing without its buttons and areas
// (the probe look). Every pixel the buttons and areas draw lies inside a hot
// area, every button is drawn, and a drawn button or area covers its hot
// area out to each of its edges.
inline std::vector<std::string> CheckHotAreas(const PictureEntry& p, const RgbaImage& drawn, const RgbaImage& bare) {
  using namespace alignment_detail;
  std::vector<std::string> problems;
  std::vector<bool> differs(static_cast<size_t>(p.width) * p.height, false);
  int strays = 0, strayX = 0, strayY = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      if (SamePixel(drawn, bare, x, y)) continue;
      differs[static_cast<size_t>(y) * p.width + x] = true;
      bool inside = false;
      for (const HotArea& h : p.hot) inside = inside || h.rect.Overlaps({x + p.atX, y + p.atY, x + p.atX, y + p.atY});
      if (!inside && strays++ == 0) strayX = x, strayY = y;
    }
  if (strays > 0)
    problems.push_back(p.path + ": " + std::to_string(strays) +
                       " pixels of buttons or areas lie outside every hot area, " + "the first at " +
                       ScreenPoint(p, strayX, strayY));
  for (const HotArea& h : p.hot) {
    const TableRect r = LocalRect(p, h.rect);
    bool any = false;
    for (int y = r.y1; y <= r.y2 && !any; ++y)
      for (int x = r.x1; x <= r.x2 && !any; ++x) any = differs[static_cast<size_t>(y) * p.width + x];
    std::string missed;
    if (!any && h.button)
      problems.push_back(p.path + ": the button '" + h.label + "' is not drawn");
    else if (any && !ReachesEdges(p, h.rect, differs, &missed))
      problems.push_back(p.path + ": '" + h.label + "' is not drawn out to its " + missed);
  }
  return problems;
}

// labels: p's drawing with only the words of its buttons and areas, drawn
// whole; bare: the drawing without them (the probe look). Every pixel of a
// word lies inside a hot area.
inline std::vector<std::string> CheckLabels(const PictureEntry& p, const RgbaImage& labels, const RgbaImage& bare) {
  int strays = 0, strayX = 0, strayY = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      if (SamePixel(labels, bare, x, y)) continue;
      bool inside = false;
      for (const HotArea& h : p.hot) inside = inside || h.rect.Overlaps({x + p.atX, y + p.atY, x + p.atX, y + p.atY});
      if (!inside && strays++ == 0) strayX = x, strayY = y;
    }
  if (strays == 0) return {};
  return {p.path + ": " + std::to_string(strays) +
          " pixels of the words of its buttons lie outside them, the first at " +
          alignment_detail::ScreenPoint(p, strayX, strayY)};
}

// normal and pressed: the normal's drawing in its own look and in the twin's.
// One look may serve several twins (the four highlights of the main menu are
// one drawing with every item lit): it changes only rectangles of that
// normal that twins in this look replace, and each of this twin's visibly.
inline std::vector<std::string> CheckTwinLook(const PictureEntry& twin, const PictureEntry& normal,
                                              const std::vector<PictureEntry>& table, const RgbaImage& drawn,
                                              const RgbaImage& pressed) {
  std::vector<std::string> problems;
  std::vector<TableRect> rects;  // this twin's first, then the others of the same look
  for (const Twin& t : twin.twins)
    if (t.normal == normal.path) rects.push_back(LocalRect(normal, t.rect));
  const size_t own = rects.size();
  for (const PictureEntry& other : table)
    if (&other != &twin && other.artStyle == twin.artStyle)
      for (const Twin& t : other.twins)
        if (t.normal == normal.path) rects.push_back(LocalRect(normal, t.rect));
  std::vector<int> changed(rects.size(), 0);
  int strays = 0, strayX = 0, strayY = 0;
  for (int y = 0; y < normal.height; ++y)
    for (int x = 0; x < normal.width; ++x) {
      if (SamePixel(drawn, pressed, x, y)) continue;
      bool inside = false;
      for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].Overlaps({x, y, x, y})) {
          inside = true;
          ++changed[i];
        }
      if (!inside && strays++ == 0) strayX = x, strayY = y;
    }
  if (strays > 0)
    problems.push_back(twin.path + ": its look changes " + std::to_string(strays) + " pixels of " + normal.path +
                       " outside its buttons, the first at " + alignment_detail::ScreenPoint(normal, strayX, strayY));
  for (size_t i = 0; i < own; ++i)
    if (changed[i] * 20 < rects[i].Width() * rects[i].Height())
      problems.push_back(twin.path + ": its look hardly changes the button at " +
                         alignment_detail::ScreenPoint(normal, rects[i].x1, rects[i].y1) + " of " + normal.path);
  return problems;
}
