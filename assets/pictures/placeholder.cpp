// SPDX-License-Identifier: GPL-2.0-or-later
#include "assets/pictures/placeholder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "assets/pictures/palette.h"

namespace {

// The colours of the placeholders, picked from the shared palette once.
struct Look {
  uint8_t brightTextGround, brightTextLine;  // under light text with a black shadow
  uint8_t darkTextGround, darkTextLine;      // under black text
  uint8_t line;                              // outlines and labels elsewhere
  uint8_t title, frame;
  uint8_t buttonFill, buttonText, bevelLight, bevelDark;
  uint8_t pressedFill, pressedText;
  uint8_t marker;
};

const Look& Colours() {
  static const Look look = {
      .brightTextGround = NearestShared({24, 32, 64}),
      .brightTextLine = NearestShared({48, 64, 112}),
      .darkTextGround = NearestShared({150, 165, 190}),
      .darkTextLine = NearestShared({187, 187, 187}),
      .line = NearestShared({170, 170, 170}),
      .title = SharedColour::LightText,
      .frame = NearestShared({204, 204, 204}),
      .buttonFill = NearestShared({88, 104, 152}),
      .buttonText = SharedColour::LightText,
      .bevelLight = NearestShared({204, 204, 204}),
      .bevelDark = NearestShared({51, 51, 51}),
      .pressedFill = NearestShared({255, 204, 102}),
      .pressedText = SharedColour::Black,
      .marker = NearestShared({255, 204, 102}),
  };
  return look;
}

// Calm grounds for whole pictures, chosen by the screen so that neighbouring
// screens are told apart at a glance.
uint8_t ScreenGround(const PictureEntry& p) {
  static const Rgb grounds[] = {{0, 51, 51}, {51, 0, 51}, {51, 51, 0}, {72, 44, 28}, {0, 51, 102}, {51, 51, 51}};
  const std::string& key = p.screens.empty() ? p.path : p.screens.front();
  unsigned hash = 0;
  for (char c : key) hash = hash * 31 + static_cast<unsigned char>(c);
  return NearestShared(grounds[hash % (sizeof grounds / sizeof grounds[0])]);
}

bool IsDarkColour(int index) {
  const auto& pal = SharedPalette();
  const int luma = (pal[index * 3] * 299 + pal[index * 3 + 1] * 587 + pal[index * 3 + 2] * 114) / 1000;
  return luma < 96;
}

// A rectangle of the screen in the picture's own coordinates, cut to the
// picture.
TableRect Local(const PictureEntry& p, const TableRect& r) {
  return {std::max(0, r.x1 - p.atX), std::max(0, r.y1 - p.atY), std::min(p.width - 1, r.x2 - p.atX),
          std::min(p.height - 1, r.y2 - p.atY)};
}

// Drawing in "calm" colour: pixels are first drawn in the key, then each
// becomes the line colour of whatever ground lies under it, so that marks
// inside a text area never spoil the text drawn there.
constexpr uint8_t Calm = SharedColour::Key;

void ResolveCalm(Canvas* canvas, const std::vector<uint8_t>& groundKind) {
  const Look& look = Colours();
  for (size_t i = 0; i < canvas->pixels.size(); ++i)
    if (canvas->pixels[i] == Calm)
      canvas->pixels[i] = groundKind[i] == 1 ? look.brightTextLine : groundKind[i] == 2 ? look.darkTextLine : look.line;
}

void DrawTextAreas(const PictureEntry& p, Canvas* canvas, std::vector<uint8_t>* groundKind) {
  const Look& look = Colours();
  for (const TextArea& t : p.texts) {
    const TableRect r = Local(p, t.rect);
    const bool darkText = IsDarkColour(t.colour);
    canvas->Fill(r, darkText ? look.darkTextGround : look.brightTextGround);
    for (int y = r.y1; y <= r.y2; ++y)
      for (int x = r.x1; x <= r.x2; ++x) (*groundKind)[static_cast<size_t>(y) * canvas->width + x] = darkText ? 2 : 1;
  }
  for (const TextArea& t : p.texts) {
    const TableRect r = Local(p, t.rect);
    for (int i = 0; i < 4; ++i) {  // corner ticks
      canvas->Put(r.x1 + i, r.y1, Calm);
      canvas->Put(r.x1, r.y1 + i, Calm);
      canvas->Put(r.x2 - i, r.y2, Calm);
      canvas->Put(r.x2, r.y2 - i, Calm);
    }
    // The label sits in the bottom-right corner, small and calm.
    GlyphSize size;
    if (FitText(t.label, r.Width() - 8, std::min(12, r.Height() - 4), &size))
      DrawAscii(canvas, r.x2 - 4 - TextWidth(t.label), r.y2 - 1 - GlyphHeight(size), t.label, Calm, size);
  }
}

void DrawSlots(const PictureEntry& p, Canvas* canvas) {
  for (const Slot& s : p.slots) {
    const TableRect r = Local(p, s.rect);
    canvas->Dashed(r, Calm);
    // The label at the foot, clear of a button the slot may cover.
    DrawCentred(canvas, {r.x1, std::max(r.y1, r.y2 - 17), r.x2, r.y2}, s.label, Calm);
  }
}

void DrawButton(Canvas* canvas, const TableRect& r, const std::string& label, bool pressed) {
  const Look& look = Colours();
  canvas->Fill(r, pressed ? look.pressedFill : look.buttonFill);
  canvas->Outline(r, SharedColour::Black);
  if (r.Width() > 4 && r.Height() > 4) {
    // A raised bevel, sunk when pressed.
    const uint8_t topLeft = pressed ? look.bevelDark : look.bevelLight;
    const uint8_t bottomRight = pressed ? look.bevelLight : look.bevelDark;
    canvas->Line(r.x1 + 1, r.y1 + 1, r.x2 - 1, r.y1 + 1, topLeft);
    canvas->Line(r.x1 + 1, r.y1 + 1, r.x1 + 1, r.y2 - 1, topLeft);
    canvas->Line(r.x1 + 2, r.y2 - 1, r.x2 - 1, r.y2 - 1, bottomRight);
    canvas->Line(r.x2 - 1, r.y1 + 2, r.x2 - 1, r.y2 - 1, bottomRight);
  }
  // Too small for its label: its first letter says enough.
  if (!DrawCentred(canvas, r, label, pressed ? look.pressedText : look.buttonText))
    DrawCentred(canvas, r, label.substr(0, 1), pressed ? look.pressedText : look.buttonText);
}

// An area's label sits in its top-left corner.
void DrawAreaLabel(Canvas* canvas, const TableRect& r, const std::string& label) {
  const TableRect inner = {r.x1 + 2, r.y1 + 2, r.x2 - 2, r.y2 - 2};
  std::vector<std::string> lines;
  GlyphSize size;
  if (!FitLines(label, inner.Width(), inner.Height(), &lines, &size) &&
      !FitLines(label.substr(0, 1), inner.Width(), inner.Height(), &lines, &size))
    return;
  int y = inner.y1;
  for (const std::string& line : lines) {
    DrawAscii(canvas, inner.x1 + 1, y, line, Calm, size);
    y += GlyphHeight(size);
  }
}

void DrawHotAreas(const PictureEntry& p, const std::vector<TableRect>& pressed, Canvas* canvas) {
  for (const HotArea& h : p.hot) {
    const TableRect r = Local(p, h.rect);
    if (h.button) {
      bool down = false;
      for (const TableRect& q : pressed)
        down = down || (q.x1 == h.rect.x1 && q.y1 == h.rect.y1 && q.x2 == h.rect.x2 && q.y2 == h.rect.y2);
      DrawButton(canvas, r, h.label, down);
      continue;
    }
    canvas->Outline(r, Calm);
    DrawAreaLabel(canvas, r, h.label);
  }
}

bool FullScreen(const PictureEntry& p) { return p.width == 640 && p.height == 480; }

// "K of M" in the purpose names a frame of a sequence.
bool SequenceFrame(const PictureEntry& p, int* k, int* m) {
  const size_t at = p.purpose.find(" of ");
  if (at == std::string::npos || at == 0) return false;
  size_t start = p.purpose.rfind(' ', at - 1);
  start = start == std::string::npos ? 0 : start + 1;
  return std::sscanf(p.purpose.c_str() + start, "%d of %d", k, m) == 2 && *k >= 1 && *k <= *m && *m > 1;
}

// A square that moves from left to right over the frames, so that a
// sequence is seen to play.
void DrawSequenceMarker(const PictureEntry& p, Canvas* canvas) {
  int k, m;
  if (!SequenceFrame(p, &k, &m)) return;
  if (FullScreen(p)) {
    // A whole picture of a sequence: a row of m boxes, k of them filled, and
    // the frame number large in the middle.
    const int box = 40, gap = 8, left = (p.width - m * box - (m - 1) * gap) / 2;
    for (int i = 0; i < m; ++i) {
      const TableRect r = {left + i * (box + gap), 8, left + i * (box + gap) + box - 1, 8 + 15};
      if (i < k) canvas->Fill(r, Colours().marker);
      canvas->Outline(r, Colours().frame);
    }
    const std::string number = std::to_string(k) + "/" + std::to_string(m);
    DrawAsciiLarge(canvas, (p.width - TextWidth(number) * 8) / 2, 140, number, Colours().frame, 8);
    return;
  }
  const int side = std::max(4, std::min(p.width, p.height) / 8);
  const int x = 4 + (p.width - 8 - side) * (k - 1) / (m - 1);
  canvas->Fill({x, p.height - side - 4, x + side - 1, p.height - 5}, Colours().marker);
}

bool SpotIsFree(const PictureEntry& p, const TableRect& spot) {
  const TableRect grown = {spot.x1 - 6, spot.y1 - 6, spot.x2 + 6, spot.y2 + 6};
  for (const HotArea& h : p.hot)
    if (grown.Overlaps(Local(p, h.rect))) return false;
  for (const TextArea& t : p.texts)
    if (grown.Overlaps(Local(p, t.rect))) return false;
  for (const Slot& s : p.slots)
    if (grown.Overlaps(Local(p, s.rect))) return false;
  return true;
}

// The title block of a full picture: its file, size, purpose and screens, put
// where nothing of the screen is, as low as possible.
void DrawTitle(const PictureEntry& p, Canvas* canvas) {
  std::string screens;
  for (const std::string& s : p.screens) screens += (screens.empty() ? "" : ", ") + s;
  std::vector<std::string> lines = {p.path + "  " + std::to_string(p.width) + "x" + std::to_string(p.height), p.purpose,
                                    screens, "placeholder"};
  while (!lines.empty()) {
    int width = 0;
    for (const std::string& l : lines) width = std::max(width, TextWidth(l));
    const int height = static_cast<int>(lines.size()) * 18;
    for (int y = p.height - height - 10; y >= 8; y -= 4)
      for (int x = 10; x + width + 10 <= p.width; x += 8) {
        if (!SpotIsFree(p, {x, y, x + width - 1, y + height - 1})) continue;
        for (size_t i = 0; i < lines.size(); ++i)
          DrawAscii(canvas, x, y + static_cast<int>(i) * 18, lines[i], i == 0 ? Colours().title : Colours().frame,
                    GlyphSize::Full);
        return;
      }
    lines.pop_back();
  }
}

// The mark of a small picture: the label of the slot it fills on another
// screen, else its file name, with its purpose below when there is room.
void DrawSmallLabel(const PictureEntry& p, const std::vector<PictureEntry>& table, Canvas* canvas) {
  std::string mark;
  for (const PictureEntry& other : table)
    for (const Slot& s : other.slots)
      if (&other != &p && s.rect.x1 == p.atX && s.rect.y1 == p.atY && s.rect.Width() == p.width &&
          s.rect.Height() == p.height)
        mark = s.label;
  if (mark.empty()) {
    const size_t slash = p.path.rfind('/');
    mark = p.path.substr(slash + 1, p.path.size() - slash - 5);
  }
  std::vector<std::string> lines = {mark};
  if (p.width >= 80) lines.push_back(p.purpose);
  int y = 4;
  for (const std::string& text : lines) {
    std::vector<std::string> broken;
    GlyphSize size;
    if (!FitLines(text, p.width - 6, p.height - y - 2, &broken, &size)) continue;
    for (const std::string& line : broken) {
      DrawAscii(canvas, (p.width - TextWidth(line)) / 2, y, line, Colours().title, size);
      y += GlyphHeight(size);
    }
    y += 4;
  }
}

}  // namespace

Canvas RenderPlaceholder(const PictureEntry& p, const std::vector<PictureEntry>& table,
                         const std::vector<TableRect>& pressed) {
  Canvas canvas(p.width, p.height, ScreenGround(p));
  std::vector<uint8_t> groundKind(canvas.pixels.size(), 0);
  if (!FullScreen(p)) {
    canvas.Outline({0, 0, p.width - 1, p.height - 1}, SharedColour::Black);
    if (p.width > 4 && p.height > 4) canvas.Outline({1, 1, p.width - 2, p.height - 2}, Colours().frame);
  }
  DrawTextAreas(p, &canvas, &groundKind);
  // Slots last: what the game puts there (the walking figure) may stand over
  // a button.
  DrawHotAreas(p, pressed, &canvas);
  DrawSlots(p, &canvas);
  DrawSequenceMarker(p, &canvas);
  if (FullScreen(p))
    DrawTitle(p, &canvas);
  else if (p.hot.empty())
    DrawSmallLabel(p, table, &canvas);
  ResolveCalm(&canvas, groundKind);
  return canvas;
}

Canvas RenderTwin(const PictureEntry& p, const std::vector<PictureEntry>& table) {
  Canvas canvas(p.width, p.height, ScreenGround(p));
  for (const Twin& t : p.twins) {
    const PictureEntry* normal = FindPicture(table, t.normal);
    if (!normal) continue;
    const Canvas source = RenderPlaceholder(*normal, table, {t.rect});
    const TableRect r = Local(*normal, t.rect);
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) canvas.Put(x, t.row + y, source.At(r.x1 + x, r.y1 + y));
  }
  return canvas;
}

Canvas RenderWalker(const PictureEntry& p) {
  Canvas canvas(p.width, p.height, SharedColour::Key);
  int k = 1, m = 8;
  SequenceFrame(p, &k, &m);
  const double swing = std::sin(2.0 * std::numbers::pi * (k - 1) / m);
  const int cx = p.width / 2;
  const uint8_t skin = NearestShared({240, 196, 160}), hair = NearestShared({72, 44, 28});
  const uint8_t shirt = NearestShared({51, 102, 204}), trousers = NearestShared({51, 51, 51});
  const uint8_t shoes = NearestShared({96, 64, 40});
  // Legs and arms swing in opposite phase; three pixels thick.
  const int hipY = 30, footY = p.height - 4, stride = static_cast<int>(std::lround(swing * 7));
  for (int d = -1; d <= 1; ++d) {
    canvas.Line(cx - 2 + d, hipY, cx - 2 + stride + d, footY, trousers);
    canvas.Line(cx + 2 + d, hipY, cx + 2 - stride + d, footY, trousers);
    canvas.Line(cx - 6 + d, 17, cx - 6 - stride / 2 + d, 29, shirt);
    canvas.Line(cx + 6 + d, 17, cx + 6 + stride / 2 + d, 29, shirt);
  }
  canvas.Fill({cx - 3 + stride - 1, footY - 1, cx - 3 + stride + 3, footY + 1}, shoes);
  canvas.Fill({cx + 1 - stride - 1, footY - 1, cx + 1 - stride + 3, footY + 1}, shoes);
  canvas.Fill({cx - 5, 15, cx + 5, hipY}, shirt);
  canvas.Disc(cx, 9, 5, skin);
  canvas.Fill({cx - 5, 3, cx + 5, 6}, hair);
  // A black outline around the figure reads on any ground of the map.
  Canvas outlined = canvas;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      if (canvas.At(x, y) != SharedColour::Key) continue;
      bool edge = false;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx, ny = y + dy;
        edge = edge || (nx >= 0 && ny >= 0 && nx < p.width && ny < p.height && canvas.At(nx, ny) != SharedColour::Key);
      }
      if (edge) outlined.Put(x, y, SharedColour::Black);
    }
  return outlined;
}
