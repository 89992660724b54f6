// The SVG drawings against the picture table, through the renderings the
// build made: every button and area is drawn on its hot area, a pressed
// look changes its buttons only, and a picture the game swaps in agrees
// with the one under it wherever both drawings show the same.
#include <gtest/gtest.h>

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

}  // namespace

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
    EXPECT_EQ(Disagreements(Drawing(p, JobOf(p)), Drawing(*base, JobOf(*base)), Loaded(p.path), 0, Loaded(base->path), r),
              0)
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
