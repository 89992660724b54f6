// The pictures the build wrote into the data tree, checked against the
// picture table and against the sizes the game's screens rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "assets/pictures/palette.h"
#include "assets/pictures/picture_table.h"
#include "gfx/image.h"
#include "tests/unit/pictures_test_support.h"

namespace {

}  // namespace

// The sizes the screens take for granted: they load into fixed buffers and
// put pictures into fixed rectangles.
TEST(PictureTree, TableNamesEveryPictureAtItsSize) {
  std::map<std::string, std::pair<int, int>> expected = {
      {"cur/arrow.kxg", {16, 16}},     {"data/fir_but.kxg", {87, 44}},   {"data/totalbar2.kxg", {128, 180}},
      {"data/money.kxg", {20, 20}},    {"data/gugi.kxg", {20, 20}},      {"data/day.kxg", {20, 20}},
      {"data/commbar.kxg", {186, 330}}, {"data/commbar1.kxg", {186, 330}}, {"data/care.kxg", {326, 236}},
      {"data/prison.kxg", {177, 122}}, {"data/return.kxg", {135, 35}},
  };
  for (const char* full : {"data/main.kxg", "data/mainmenu.kxg", "data/first.kxg", "data/mo001.kxg",
                           "data/tmap0002.kxg", "data/man001.kxg", "data/info.kxg", "data/bill001.kxg",
                           "data/win.kxg", "data/bank001.kxg", "data/self.kxg", "data/eat.kxg", "data/love.kxg"})
    expected[full] = {640, 480};
  for (int i = 1; i <= 4; ++i) expected["data/mm" + std::to_string(i) + ".kxg"] = {186, 55};
  for (int i = 1; i <= 6; ++i) {
    expected["data/work" + std::to_string(i) + ".kxg"] = {90, 80};
    expected["data/ani" + std::to_string(i) + ".kxg"] = {220, 90};
  }
  for (int i = 1; i <= 8; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "cur/w%04d.kxg", i);
    expected[name] = {32, 48};
    std::snprintf(name, sizeof name, "intro/intro%03d.kxg", i - 1);
    expected[name] = {640, 480};
  }
  ASSERT_EQ(Table().size(), expected.size());
  for (const auto& [path, size] : expected) {
    const PictureEntry* p = FindPicture(Table(), path);
    ASSERT_NE(p, nullptr) << path;
    EXPECT_EQ(p->width, size.first) << path;
    EXPECT_EQ(p->height, size.second) << path;
  }
}

TEST(PictureTree, EveryPictureHasItsSizeAndTheSharedPalette) {
  const auto& shared = SharedPalette();
  for (const PictureEntry& p : Table()) {
    const Picture& picture = Loaded(p.path);
    EXPECT_EQ(picture.width, p.width) << p.path;
    EXPECT_EQ(picture.height, p.height) << p.path;
    EXPECT_TRUE(std::equal(shared.begin(), shared.end(), picture.palette.begin())) << p.path;
  }
}

TEST(PictureTree, OnlySpritesUseTheTransparentKey) {
  for (const PictureEntry& p : Table()) {
    const Picture& picture = Loaded(p.path);
    size_t keyed = 0;
    for (uint8_t v : picture.pixels) keyed += v == SharedColour::Key;
    if (p.sprite) {
      EXPECT_GT(keyed, 0u) << p.path;
      EXPECT_LT(keyed, picture.pixels.size()) << p.path;
    } else {
      EXPECT_EQ(keyed, 0u) << p.path;
    }
  }
}

// A pressed or highlighted picture is the look of a real button of its
// screen; put where the game puts it, it changes that button's rectangle
// visibly and nothing outside it. (That it is the same drawing as the
// normal picture wherever both show the same is checked against the
// drawings in pictures_drawings.cpp.)
TEST(PictureTree, PressedTwinsChangeOnlyTheirButton) {
  for (const PictureEntry& p : Table())
    for (const Twin& t : p.twins) {
      const PictureEntry* normalEntry = FindPicture(Table(), t.normal);
      ASSERT_NE(normalEntry, nullptr);
      bool isButton = false;
      for (const HotArea& h : normalEntry->hot)
        isButton = isButton || (h.button && h.rect.x1 == t.rect.x1 && h.rect.y1 == t.rect.y1 &&
                                h.rect.x2 == t.rect.x2 && h.rect.y2 == t.rect.y2);
      EXPECT_TRUE(isButton) << p.path << " twin of " << t.normal;
      const Picture& normal = Loaded(t.normal);
      const Picture& pressed = Loaded(p.path);
      if (pressed.pixels.empty() || normal.pixels.empty()) continue;
      std::vector<uint8_t> screen = normal.pixels;
      const int left = t.rect.x1 - normalEntry->atX, top = t.rect.y1 - normalEntry->atY;
      for (int y = 0; y < t.rect.Height(); ++y)
        for (int x = 0; x < t.rect.Width(); ++x)
          screen[(top + y) * normal.width + left + x] = pressed.pixels[(t.row + y) * pressed.width + x];
      int changed = 0;
      for (int y = 0; y < normal.height; ++y)
        for (int x = 0; x < normal.width; ++x) {
          const size_t i = static_cast<size_t>(y) * normal.width + x;
          if (screen[i] == normal.pixels[i]) continue;
          ++changed;
          ASSERT_TRUE(x >= left && x < left + t.rect.Width() && y >= top && y < top + t.rect.Height());
        }
      EXPECT_GE(changed * 20, t.rect.Width() * t.rect.Height()) << p.path << " row " << t.row;
    }
}

// Where the game writes, the picture underneath must let the text read: a
// calm ground (one or two colours, no picture running through it) whose
// every pixel, outside the pictures put over it, contrasts with the text
// colour at least as the usual rule for body text asks (4.5:1).
TEST(PictureTree, TextAreasAreLegible) {
  for (const PictureEntry& p : Table())
    for (const TextArea& t : p.texts) {
      const Picture& picture = Loaded(p.path);
      if (picture.pixels.empty()) continue;
      int poor = 0;
      std::set<uint8_t> ground;
      for (int y = t.rect.y1; y <= t.rect.y2; ++y)
        for (int x = t.rect.x1; x <= t.rect.x2; ++x) {
          bool covered = false;
          for (const Slot& s : p.slots) covered = covered || s.rect.Overlaps({x, y, x, y});
          if (covered) continue;
          const uint8_t under = picture.pixels[(y - p.atY) * picture.width + (x - p.atX)];
          ground.insert(under);
          if (picture_tests::Contrast(SharedPalette(), under, t.colour) < 4.5) ++poor;
        }
      EXPECT_EQ(poor, 0) << p.path << ": " << t.label;
      EXPECT_LE(ground.size(), 2u) << p.path << ": " << t.label << " is not written on a calm ground";
    }
}

TEST(PictureTree, ArrowPointsFromItsTopLeftPixel) {
  const Picture& arrow = Loaded("cur/arrow.kxg");
  ASSERT_EQ(arrow.pixels.size(), 256u);
  const uint8_t white = NearestShared({255, 255, 255});
  EXPECT_EQ(arrow.pixels[0], SharedColour::Black);  // the tip is the hot spot
  EXPECT_EQ(arrow.pixels[1], SharedColour::Key);
  EXPECT_EQ(arrow.pixels[15], SharedColour::Key);
  for (int y = 0; y < 14; ++y) EXPECT_EQ(arrow.pixels[y * 16], SharedColour::Black) << y;  // left edge
  std::set<uint8_t> used(arrow.pixels.begin(), arrow.pixels.end());
  EXPECT_EQ(used, (std::set<uint8_t>{SharedColour::Black, white, SharedColour::Key}));
  // White never touches the transparent key: the outline is closed.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      if (arrow.pixels[y * 16 + x] != white) continue;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx, ny = y + dy;
        ASSERT_TRUE(nx >= 0 && ny >= 0 && nx < 16 && ny < 16);
        EXPECT_NE(arrow.pixels[ny * 16 + nx], SharedColour::Key) << x << "," << y;
      }
    }
}

// Every picture is finished art, and the full-screen ones are paintings,
// not flat panels: the placeholders are gone.
TEST(PictureTree, EveryPictureIsFinishedArt) {
  for (const PictureEntry& p : Table()) {
    EXPECT_FALSE(p.art.empty() && p.artStyle.empty()) << p.path << " is still a placeholder";
    if (p.width < 640) continue;
    const Picture& picture = Loaded(p.path);
    std::set<uint8_t> used(picture.pixels.begin(), picture.pixels.end());
    EXPECT_GE(used.size(), 40u) << p.path;
  }
}
