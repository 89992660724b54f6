// SPDX-License-Identifier: GPL-2.0-or-later
// The table of every picture of the data tree (pictures.txt): its path and
// size, the screens that show it, and the places on its screen that the game
// clicks, writes on or covers with other pictures. The picture generator
// draws the placeholders from it, and the tests check the written pictures
// against it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

struct TableRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // inclusive corners
  int Width() const { return x2 - x1 + 1; }
  int Height() const { return y2 - y1 + 1; }
  bool Contains(const TableRect& r) const { return r.x1 >= x1 && r.y1 >= y1 && r.x2 <= x2 && r.y2 <= y2; }
  bool Overlaps(const TableRect& r) const { return r.x1 <= x2 && r.x2 >= x1 && r.y1 <= y2 && r.y2 >= y1; }
};

struct HotArea {
  TableRect rect;
  bool button = false;  // a button covers its whole rectangle; an area is only outlined
  std::string label;
};

struct TextArea {
  TableRect rect;  // the text and its shadow
  int colour = 0;
  int shadow = -1;  // -1: drawn without a shadow
  std::string label;
};

struct Slot {  // where the game puts another picture
  TableRect rect;
  std::string label;
};

// The picture's rows row .. row + rect.Height() - 1 are the pressed or
// highlighted look of rect on the screen of picture `normal`.
struct Twin {
  std::string normal;
  int row = 0;
  TableRect rect;
};

struct PictureEntry {
  std::string path;
  int width = 0, height = 0;
  bool sprite = false;  // colour 255 is transparency
  std::vector<std::string> screens;
  std::string purpose;
  int atX = 0, atY = 0;  // where its top-left pixel lands on the screen
  std::vector<HotArea> hot;
  std::vector<TextArea> texts;
  std::vector<Slot> slots;
  std::vector<Twin> twins;
  // Finished art under art/: a drawing (.svg, .png or .txt pixel art) and an
  // optional stylesheet (.css) that selects one look of an SVG drawing. A
  // pressed twin names only the stylesheet: its rows are its normal
  // pictures' drawings in that look. Both empty: a placeholder.
  std::string art, artStyle;
  int line = 0;
  // The picture's own area in screen coordinates.
  TableRect OnScreen() const { return {atX, atY, atX + width - 1, atY + height - 1}; }
};

namespace picture_table_detail {

inline bool ReadInt(std::istringstream& in, int low, int high, int* value) {
  std::string word;
  if (!(in >> word) || word.empty() || word.size() > 6) return false;
  char* end = nullptr;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (*end != '\0' || v < low || v > high) return false;
  *value = static_cast<int>(v);
  return true;
}

inline bool ReadRect(std::istringstream& in, TableRect* r) {
  return ReadInt(in, 0, 639, &r->x1) && ReadInt(in, 0, 479, &r->y1) && ReadInt(in, r->x1, 639, &r->x2) &&
         ReadInt(in, r->y1, 479, &r->y2);
}

inline std::string Rest(std::istringstream& in) {
  std::string rest;
  std::getline(in, rest);
  const size_t start = rest.find_first_not_of(" \t");
  return start == std::string::npos ? std::string() : rest.substr(start);
}

// Only the game's own folders, no way out of the tree, and the .kxg ending.
inline bool SanePath(const std::string& path) {
  if (path.size() < 9 || path.size() > 64 || path.find("..") != std::string::npos) return false;
  if (path.compare(path.size() - 4, 4, ".kxg") != 0) return false;
  for (char c : path)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '/' || c == '.')) return false;
  return path.rfind("data/", 0) == 0 || path.rfind("cur/", 0) == 0 || path.rfind("intro/", 0) == 0;
}

inline bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A file of art/: a plain name (no folder, no way out) with a known ending.
inline bool ArtName(const std::string& name) {
  if (name.empty() || name.size() > 64 || name[0] == '.' || name[0] == '-') return false;
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.')) return false;
  return EndsWith(name, ".svg") || EndsWith(name, ".png") || EndsWith(name, ".txt") || EndsWith(name, ".css");
}

inline std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, ','))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

inline bool ParseRecord(const std::string& keyword, std::istringstream& in, PictureEntry* p, std::string* why) {
  if (keyword == "purpose") {
    p->purpose = Rest(in);
    return true;
  }
  if (keyword == "at") {
    if (!ReadInt(in, 0, 639, &p->atX) || !ReadInt(in, 0, 479, &p->atY)) return *why = "bad position", false;
    return true;
  }
  if (keyword == "art") {
    std::string first, second, extra;
    in >> first >> second >> extra;
    if (!ArtName(first) || !extra.empty() || (!second.empty() && !EndsWith(second, ".css")))
      return *why = "art needs FILE [STYLE.css], plain names in art/", false;
    if (EndsWith(first, ".css")) {
      if (!second.empty()) return *why = "art: the stylesheet comes after the drawing", false;
      p->artStyle = first;
    } else {
      if (!second.empty() && !ArtName(second)) return *why = "art: bad stylesheet name", false;
      p->art = first;
      p->artStyle = second;
    }
    return true;
  }
  if (keyword == "hot") {
    HotArea h;
    std::string style;
    if (!ReadRect(in, &h.rect) || !(in >> style) || (style != "button" && style != "area"))
      return *why = "hot needs X1 Y1 X2 Y2 button|area LABEL", false;
    h.button = style == "button";
    h.label = Rest(in);
    p->hot.push_back(h);
    return true;
  }
  if (keyword == "text") {
    TextArea t;
    std::string shadow;
    if (!ReadRect(in, &t.rect) || !ReadInt(in, 0, 254, &t.colour) || !(in >> shadow))
      return *why = "text needs X1 Y1 X2 Y2 COLOUR SHADOW LABEL", false;
    if (shadow != "-") {
      std::istringstream s(shadow);
      if (!ReadInt(s, 0, 254, &t.shadow)) return *why = "bad shadow colour", false;
    }
    t.label = Rest(in);
    p->texts.push_back(t);
    return true;
  }
  if (keyword == "slot") {
    Slot s;
    if (!ReadRect(in, &s.rect)) return *why = "slot needs X1 Y1 X2 Y2 LABEL", false;
    s.label = Rest(in);
    p->slots.push_back(s);
    return true;
  }
  if (keyword == "twin") {
    Twin t;
    if (!(in >> t.normal) || !ReadInt(in, 0, 479, &t.row) || !ReadRect(in, &t.rect))
      return *why = "twin needs NORMAL ROW X1 Y1 X2 Y2", false;
    p->twins.push_back(t);
    return true;
  }
  return *why = "unknown record '" + keyword + "'", false;
}

inline bool StartPicture(std::istringstream& in, PictureEntry* p, std::string* why) {
  std::string kind, screens;
  if (!(in >> p->path) || !SanePath(p->path)) return *why = "bad picture path", false;
  if (!ReadInt(in, 1, 640, &p->width) || !ReadInt(in, 1, 480, &p->height)) return *why = "bad picture size", false;
  if (!(in >> kind) || (kind != "opaque" && kind != "sprite")) return *why = "kind must be opaque or sprite", false;
  p->sprite = kind == "sprite";
  if (!(in >> screens)) return *why = "picture needs its screens", false;
  p->screens = SplitCommas(screens);
  return true;
}

// What one picture's records must agree on by themselves.
inline bool CheckPicture(const PictureEntry& p, std::string* why) {
  const TableRect own = p.OnScreen();
  if (own.x2 > 639 || own.y2 > 479) return *why = p.path + " does not fit the screen at its position", false;
  // A hot area may reach past a panel onto the picture behind it (the
  // personnel panel's "next" area does), but it must touch the panel.
  for (const HotArea& h : p.hot)
    if (!own.Overlaps(h.rect)) return *why = p.path + ": hot area '" + h.label + "' lies outside the picture", false;
  for (const TextArea& t : p.texts)
    if (!own.Contains(t.rect)) return *why = p.path + ": text area '" + t.label + "' lies outside the picture", false;
  for (const Slot& s : p.slots)
    if (!own.Contains(s.rect)) return *why = p.path + ": slot '" + s.label + "' lies outside the picture", false;
  if (!p.twins.empty() && !p.art.empty()) return *why = p.path + ": a twin takes only a stylesheet as art", false;
  if (p.twins.empty() && p.art.empty() && !p.artStyle.empty())
    return *why = p.path + ": a stylesheet needs a drawing", false;
  if (!p.artStyle.empty() && !p.art.empty() && !EndsWith(p.art, ".svg"))
    return *why = p.path + ": only SVG drawings take a stylesheet", false;
  for (const Twin& t : p.twins) {
    if (t.rect.Width() != p.width) return *why = p.path + ": twin rectangle is not as wide as the picture", false;
    if (t.row + t.rect.Height() > p.height) return *why = p.path + ": twin rows run past the picture", false;
  }
  return true;
}

}  // namespace picture_table_detail

inline const PictureEntry* FindPicture(const std::vector<PictureEntry>& table, const std::string& path) {
  for (const PictureEntry& p : table)
    if (p.path == path) return &p;
  return nullptr;
}

// The full-screen drawn picture with a slot exactly where p lands, on a
// screen they share: the picture p is laid into (an icon or a work picture
// in the office). Null when p has none.
inline const PictureEntry* SlotBase(const PictureEntry& p, const std::vector<PictureEntry>& table) {
  const TableRect own = p.OnScreen();
  for (const PictureEntry& other : table) {
    if (&other == &p || other.width != 640 || other.height != 480 || !picture_table_detail::EndsWith(other.art, ".svg"))
      continue;
    bool shared = false;
    for (const std::string& s : p.screens)
      for (const std::string& t : other.screens) shared = shared || s == t;
    if (!shared) continue;
    for (const Slot& s : other.slots)
      if (s.rect.x1 == own.x1 && s.rect.y1 == own.y1 && s.rect.x2 == own.x2 && s.rect.y2 == own.y2) return &other;
  }
  return nullptr;
}

// Parses the table. On a fault returns false with "line N: reason" (or the
// picture's path for faults between records) in *error.
inline bool ParsePictureTable(const std::string& text, std::vector<PictureEntry>* table, std::string* error) {
  using namespace picture_table_detail;
  table->clear();
  std::istringstream lines(text);
  std::string line, why;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    std::istringstream in(line);
    std::string keyword;
    if (!(in >> keyword) || keyword[0] == '#') continue;
    bool ok;
    if (keyword == "picture") {
      table->push_back(PictureEntry{});
      table->back().line = number;
      ok = StartPicture(in, &table->back(), &why);
      if (ok && FindPicture(*table, table->back().path) != &table->back()) ok = (why = "picture listed twice", false);
    } else if (table->empty()) {
      ok = (why = "record before the first picture", false);
    } else {
      ok = ParseRecord(keyword, in, &table->back(), &why);
    }
    if (!ok) return *error = "line " + std::to_string(number) + ": " + why, false;
  }
  for (const PictureEntry& p : *table) {
    if (!CheckPicture(p, &why)) return *error = "line " + std::to_string(p.line) + ": " + why, false;
    for (const Twin& t : p.twins) {
      const PictureEntry* normal = FindPicture(*table, t.normal);
      if (!normal || normal == &p)
        return *error = "line " + std::to_string(p.line) + ": unknown twin picture " + t.normal, false;
      if (!normal->OnScreen().Contains(t.rect))
        return *error = "line " + std::to_string(p.line) + ": twin rectangle outside " + t.normal, false;
      // A finished twin is its normal's drawing in another look; a
      // placeholder twin is cut from its normal's placeholder.
      if (p.artStyle.empty() != normal->art.empty() || (!normal->art.empty() && !EndsWith(normal->art, ".svg")))
        return *error = "line " + std::to_string(p.line) + ": a twin is finished art exactly when " + t.normal +
                        " is an SVG drawing",
               false;
    }
  }
  if (table->empty()) return *error = "no pictures", false;
  return true;
}

inline bool ReadPictureTable(const char* path, std::vector<PictureEntry>* table, std::string* error) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return *error = std::string("cannot open ") + path, false;
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && text.size() < (1u << 20)) text.append(buffer, got);
  std::fclose(file);
  if (text.size() >= (1u << 20)) return *error = std::string(path) + " is too large", false;
  return ParsePictureTable(text, table, error);
}
