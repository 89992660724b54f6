// SPDX-License-Identifier: GPL-2.0-or-later
// The SVG drawings against the picture table, through the renderings the
// build made: every button and area is drawn on its hot area, a pressed
// look changes its buttons only, and a picture the game swaps in agrees
// with the one under it wherever both drawings show the same. Nothing else
// wears a button's plate.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "assets/pictures/picture_table.h"
#include "tests/unit/pictures_test_support.h"

namespace {

// Index by index: where the two drawings agree (a twin's look and its
// normal, a slot's picture and the picture under it), the written pictures
// agree too; returns how many pixels break that.
int Disagreements(const RgbaImage& drawn, const RgbaImage& underDrawn, const Picture& picture, int row,
                  const Picture& under, const TableRect& underRect) {
  int bad = 0;
  for (int y = 0; y < underRect.Height(); ++y)
    for (int x = 0; x < underRect.Width(); ++x) {
      const int ux = underRect.x1 + x, uy = underRect.y1 + y;
      const size_t i = (static_cast<size_t>(y) * drawn.width + x) * 4;
      const size_t j = (static_cast<size_t>(uy) * underDrawn.width + ux) * 4;
      if (!std::equal(&drawn.rgba[i], &drawn.rgba[i] + 4, &underDrawn.rgba[j])) continue;
      bad += picture.pixels[static_cast<size_t>(row + y) * picture.width + x] !=
             under.pixels[static_cast<size_t>(uy) * under.width + ux];
    }
  return bad;
}

// The lines of an SVG drawing that use the bevelled plate (or the return
// button made of one) in no group of class "button" or "area". A plain text
// scan: the drawings nest <g> elements and never close one in its own tag.
std::vector<int> PlatesOutsideControls(const std::string& svg) {
  std::vector<int> strays;
  std::vector<bool> groups;  // open <g>s, true for a button or an area
  int controls = 0;
  for (size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at + 1)) {
    const size_t end = svg.find('>', at);
    if (end == std::string::npos) break;
    const std::string tag = svg.substr(at, end - at + 1);
    if (tag.rfind("</g>", 0) == 0 && !groups.empty()) {
      controls -= groups.back();
      groups.pop_back();
    } else if (tag.rfind("<g ", 0) == 0 || tag == "<g>") {
      groups.push_back(tag.find("class=\"button\"") != std::string::npos ||
                       tag.find("class=\"area\"") != std::string::npos);
      controls += groups.back();
    } else if (controls == 0 && (tag.find("_parts.svg#plate\"") != std::string::npos ||
                                 tag.find("_parts.svg#return-") != std::string::npos)) {
      strays.push_back(1 + static_cast<int>(std::count(svg.begin(), svg.begin() + static_cast<long>(at), '\n')));
    }
  }
  return strays;
}

}  // namespace

// The bevelled plate is how a player knows a control: a plate drawn outside
// every button and area is a sign that looks pressable and is not.
TEST(PictureDrawings, OnlyButtonsAndAreasWearThePlate) {
  EXPECT_EQ(PlatesOutsideControls("<g class=\"button\"><g><use href=\"_parts.svg#plate\"/></g></g>"),
            std::vector<int>{});
  EXPECT_EQ(PlatesOutsideControls("<g class=\"button\"></g>\n<g><use href=\"_parts.svg#plate\"/></g>"),
            std::vector<int>{2});
  std::set<std::string> drawings;
  for (const PictureEntry& p : Table())
    if (p.art.size() > 4 && p.art.compare(p.art.size() - 4, 4, ".svg") == 0) drawings.insert(p.art);
  EXPECT_GE(drawings.size(), 19u);
  for (const std::string& name : drawings) {
    std::ifstream in(KXS_SOURCE_DIR "/assets/pictures/art/" + name);
    ASSERT_TRUE(in) << name;
    std::stringstream svg;
    svg << in.rdbuf();
    for (int line : PlatesOutsideControls(svg.str()))
      ADD_FAILURE() << name << ":" << line << ": a button's plate outside every button and area";
  }
}

TEST(PictureDrawings, ButtonsAndAreasLieOnTheirHotAreas) {
  int checked = 0;
  for (const PictureEntry& p : Table()) {
    if (!NeedsProbe(p)) continue;
    ++checked;
    for (const std::string& problem : CheckHotAreas(p, Drawing(p, JobOf(p)), Drawing(p, ProbeJob(p))))
      ADD_FAILURE() << problem;
  }
  // Every picture with buttons is drawn: the main menu, the start, the
  // office, the command menu, personnel, the map and the five places.
  EXPECT_EQ(checked, 11);
}

TEST(PictureDrawings, PressedLooksChangeOnlyTheirButtons) {
  for (const PictureEntry& p : Table())
    for (const Twin& t : p.twins) {
      const PictureEntry* normal = FindPicture(Table(), t.normal);
      ASSERT_NE(normal, nullptr);
      ASSERT_FALSE(p.artStyle.empty()) << p.path;
      for (const std::string& problem :
           CheckTwinLook(p, *normal, Table(), Drawing(*normal, JobOf(*normal)), Drawing(*normal, TwinJob(*normal, p))))
        ADD_FAILURE() << problem;
    }
}

// What does not change when the game swaps a pressed button in stays pixel
// for pixel what it was, dither included.
TEST(PictureDrawings, PressedPicturesKeepTheUnchangedPixels) {
  for (const PictureEntry& p : Table())
    for (const Twin& t : p.twins) {
      const PictureEntry* normal = FindPicture(Table(), t.normal);
      ASSERT_NE(normal, nullptr);
      const TableRect r = LocalRect(*normal, t.rect);
      const RgbaImage pressed = CropImage(Drawing(*normal, TwinJob(*normal, p)), r);
      EXPECT_EQ(Disagreements(pressed, Drawing(*normal, JobOf(*normal)), Loaded(p.path), t.row, Loaded(t.normal), r), 0)
          << p.path << " over " << t.normal;
    }
}

// The icons and the staff at work are cut from the office; laid into their
// slots they change only what their drawing changes.
TEST(PictureDrawings, SlotPicturesMatchThePictureUnderThem) {
  int slotted = 0;
  for (const PictureEntry& p : Table()) {
    const PictureEntry* base = SlotBase(p, Table());
    if (!base || p.sprite) continue;
    ++slotted;
    const TableRect r = LocalRect(*base, p.OnScreen());
    EXPECT_EQ(
        Disagreements(Drawing(p, JobOf(p)), Drawing(*base, JobOf(*base)), Loaded(p.path), 0, Loaded(base->path), r), 0)
        << p.path << " in " << base->path;
  }
  EXPECT_EQ(slotted, 9);  // three icons, six work pictures
}

// One pressed return button serves five places: the normal button is the
// same pixels in each of them.
TEST(PictureDrawings, TheReturnButtonIsTheSameInEveryPlace) {
  const PictureEntry* pressed = FindPicture(Table(), "data/return.kxg");
  ASSERT_NE(pressed, nullptr);
  ASSERT_EQ(pressed->twins.size(), 5u);
  const Picture& first = Loaded(pressed->twins[0].normal);
  for (const Twin& t : pressed->twins) {
    const Picture& place = Loaded(t.normal);
    int differing = 0;
    for (int y = t.rect.y1; y <= t.rect.y2; ++y)
      for (int x = t.rect.x1; x <= t.rect.x2; ++x) differing += place.pixels[y * 640 + x] != first.pixels[y * 640 + x];
    EXPECT_EQ(differing, 0) << t.normal;
  }
}
