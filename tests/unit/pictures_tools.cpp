// The shared palette, the dithering quantiser and the picture table reader.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "assets/pictures/alignment.h"
#include "assets/pictures/palette.h"
#include "assets/pictures/picture_table.h"
#include "assets/pictures/quantise.h"
#include "assets/pictures/render_jobs.h"
#include "tests/unit/pictures_test_support.h"

namespace {

using picture_tests::Contrast;
using picture_tests::Luminance;

RgbaImage Flat(int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  RgbaImage image;
  image.width = w;
  image.height = h;
  for (int i = 0; i < w * h; ++i) image.rgba.insert(image.rgba.end(), {r, g, b, a});
  return image;
}

// Paints r of image in colour (r, g, b).
void Paint(RgbaImage* image, const TableRect& r, uint8_t red, uint8_t green, uint8_t blue) {
  for (int y = r.y1; y <= r.y2; ++y)
    for (int x = r.x1; x <= r.x2; ++x) {
      uint8_t* p = &image->rgba[(static_cast<size_t>(y) * image->width + x) * 4];
      p[0] = red, p[1] = green, p[2] = blue, p[3] = 255;
    }
}

std::vector<PictureEntry> ParsedOrFail(const std::string& text) {
  std::vector<PictureEntry> table;
  std::string error;
  EXPECT_TRUE(ParsePictureTable(text, &table, &error)) << error;
  return table;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& word) {
  for (const std::string& p : problems)
    if (p.find(word) != std::string::npos) return true;
  return false;
}

}  // namespace

TEST(SharedPalette, FixedEntriesAndNoDuplicates) {
  const auto& pal = SharedPalette();
  for (const FixedColour& c : FixedColours) {
    EXPECT_EQ(pal[c.index * 3], c.rgb.r) << int(c.index);
    EXPECT_EQ(pal[c.index * 3 + 1], c.rgb.g) << int(c.index);
    EXPECT_EQ(pal[c.index * 3 + 2], c.rgb.b) << int(c.index);
  }
  // Every entry distinct, so a colour names its index without doubt (and no
  // opaque colour looks like the transparent key).
  std::set<uint32_t> seen;
  for (int i = 0; i < 256; ++i) seen.insert(pal[i * 3] << 16 | pal[i * 3 + 1] << 8 | pal[i * 3 + 2]);
  EXPECT_EQ(seen.size(), 256u);
  EXPECT_NE(NearestShared({255, 0, 255}), SharedColour::Key);
}

TEST(SharedPalette, TextColoursReadOverTheirShadows) {
  const auto& pal = SharedPalette();
  // Every colour the screens draw with a black shadow stands out from black.
  for (uint8_t c : {SharedColour::PlanningHeader, SharedColour::DefaultText, SharedColour::ContractRows,
                    SharedColour::ListHeader, SharedColour::JobLine, SharedColour::EmptyList, SharedColour::RankingRows,
                    SharedColour::LightText})
    EXPECT_GE(Contrast(pal, c, SharedColour::Black), 7.0) << int(c);
  // The job line is drawn with shadow 0: it must be among the brightest.
  EXPECT_GT(Luminance(pal, SharedColour::JobLine), 0.8);
  EXPECT_GE(Contrast(pal, SharedColour::Black, SharedColour::LightText), 15.0);
}

TEST(Quantise, PaletteColoursMapToThemselves) {
  const auto& pal = SharedPalette();
  RgbaImage image;
  image.width = 254;
  image.height = 1;
  for (int i = 0; i < 254; ++i) image.rgba.insert(image.rgba.end(), {pal[i * 3], pal[i * 3 + 1], pal[i * 3 + 2], 255});
  const std::vector<uint8_t> out = QuantiseFloydSteinberg(image, pal, false);
  ASSERT_EQ(out.size(), 254u);
  for (int i = 0; i < 254; ++i) EXPECT_EQ(out[i], i);
}

TEST(Quantise, DitherKeepsTheAverageColour) {
  const auto& pal = SharedPalette();
  // A grey between two palette greys comes out as a mix of its neighbours.
  const std::vector<uint8_t> out = QuantiseFloydSteinberg(Flat(64, 64, 128, 128, 128), pal, false);
  ASSERT_EQ(out.size(), 64u * 64u);
  double sum[3] = {0, 0, 0};
  std::set<uint8_t> used;
  for (uint8_t v : out) {
    used.insert(v);
    for (int c = 0; c < 3; ++c) sum[c] += pal[v * 3 + c];
  }
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(sum[c] / out.size(), 128.0, 2.0);
  EXPECT_GE(used.size(), 2u);
}

TEST(Quantise, TransparencyAndTheKey) {
  const auto& pal = SharedPalette();
  RgbaImage image = Flat(4, 2, 255, 0, 255);
  image.rgba[3] = 0;  // the first pixel is transparent
  const std::vector<uint8_t> sprite = QuantiseFloydSteinberg(image, pal, true);
  ASSERT_EQ(sprite.size(), 8u);
  EXPECT_EQ(sprite[0], SharedColour::Key);
  // Opaque magenta is art, not transparency.
  for (size_t i = 1; i < sprite.size(); ++i) EXPECT_NE(sprite[i], SharedColour::Key);
  // Without a key, a transparent pixel is black and nothing is ever 255.
  const std::vector<uint8_t> opaque = QuantiseFloydSteinberg(image, pal, false);
  EXPECT_EQ(opaque[0], SharedColour::Black);
  for (uint8_t v : opaque) EXPECT_NE(v, SharedColour::Key);
  // Short or empty pixel data gives nothing rather than reading past it.
  image.rgba.resize(10);
  EXPECT_TRUE(QuantiseFloydSteinberg(image, pal, false).empty());
  EXPECT_TRUE(QuantiseFloydSteinberg(RgbaImage{}, pal, false).empty());
}

TEST(PictureTable, ReadsEveryKindOfRecord) {
  const char* text =
      "# comment\n"
      "picture data/a.kxg 640 480 opaque AScreen,BScreen\n"
      "  purpose the first\n"
      "  hot 10 20 30 40 button GO ON\n"
      "  hot 0 100 99 199 area list\n"
      "  text 5 5 100 22 77 0 job line\n"
      "  text 5 30 100 47 0 - name\n"
      "  slot 200 200 219 219 $\n"
      "picture data/b.kxg 21 21 opaque AScreen\n"
      "  at 10 20\n"
      "  twin data/a.kxg 0 10 20 30 40\n"
      "picture cur/c.kxg 8 8 sprite all\n"
      "  art c.txt\n";
  std::vector<PictureEntry> table;
  std::string error;
  ASSERT_TRUE(ParsePictureTable(text, &table, &error)) << error;
  ASSERT_EQ(table.size(), 3u);
  const PictureEntry& a = table[0];
  EXPECT_EQ(a.screens, (std::vector<std::string>{"AScreen", "BScreen"}));
  EXPECT_EQ(a.purpose, "the first");
  ASSERT_EQ(a.hot.size(), 2u);
  EXPECT_TRUE(a.hot[0].button);
  EXPECT_EQ(a.hot[0].label, "GO ON");
  EXPECT_EQ(a.hot[1].rect.Height(), 100);
  ASSERT_EQ(a.texts.size(), 2u);
  EXPECT_EQ(a.texts[0].colour, 77);
  EXPECT_EQ(a.texts[0].shadow, 0);
  EXPECT_EQ(a.texts[1].shadow, -1);
  EXPECT_EQ(a.slots.at(0).label, "$");
  EXPECT_EQ(table[1].atX, 10);
  EXPECT_EQ(table[1].twins.at(0).normal, "data/a.kxg");
  EXPECT_TRUE(table[2].sprite);
  EXPECT_EQ(table[2].art, "c.txt");
  EXPECT_EQ(FindPicture(table, "cur/c.kxg"), &table[2]);
  EXPECT_EQ(FindPicture(table, "cur/d.kxg"), nullptr);
}

TEST(PictureTable, RejectsFaultsWithTheirLine) {
  const std::string good = "picture data/a.kxg 640 480 opaque S\n";
  const std::pair<std::string, std::string> faults[] = {
      {"hot 1 1 2 2 button x\n", "line 1"},                                  // before any picture
      {good + "frobnicate 1 2\n", "line 2"},                                  // unknown record
      {"picture ../a.kxg 4 4 opaque S\n", "line 1"},                          // leaves the tree
      {"picture data/a.png 4 4 opaque S\n", "line 1"},                        // not a picture
      {"picture data/a.kxg 0 4 opaque S\n", "line 1"},                        // empty
      {"picture data/a.kxg 4 4 shiny S\n", "line 1"},                         // unknown kind
      {good + good, "line 2"},                                                // listed twice
      {good + "hot 30 1 20 2 button x\n", "line 2"},                          // x2 before x1
      {good + "text 1 1 20 20 255 0 x\n", "line 2"},                          // the key as text colour
      {good + "text 1 1 20 20 7 12a x\n", "line 2"},                          // garbled shadow
      {good + "hot 1 1 20 2x button x\n", "line 2"},                          // garbled number
      {"picture data/p.kxg 10 10 opaque S\nat 0 0\nslot 5 5 12 12 s\n", "line 1"},  // slot outside
      {good + "picture data/b.kxg 10 5 opaque S\ntwin data/z.kxg 0 0 0 9 4\n", "line 2"},  // unknown normal
      {good + "picture data/b.kxg 10 5 opaque S\ntwin data/a.kxg 0 0 0 8 4\n", "line 2"},  // wrong width
      {good + "picture data/b.kxg 10 5 opaque S\ntwin data/a.kxg 2 0 0 9 4\n", "line 2"},  // rows run past
      {"picture data/b.kxg 630 10 opaque S\nat 20 0\n", "line 1"},            // off the screen
      {"# nothing\n", "no pictures"},
  };
  for (const auto& [text, where] : faults) {
    std::vector<PictureEntry> table;
    std::string error;
    EXPECT_FALSE(ParsePictureTable(text, &table, &error)) << text;
    EXPECT_NE(error.find(where), std::string::npos) << text << " gave: " << error;
  }
  std::vector<PictureEntry> table;
  std::string error;
  EXPECT_FALSE(ReadPictureTable("/nonexistent/pictures.txt", &table, &error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

TEST(Quantise, FixedPixelsKeepTheirIndex) {
  const auto& pal = SharedPalette();
  const RgbaImage image = Flat(8, 4, 128, 128, 128);
  std::vector<int> fixed(32, -1);
  fixed[0] = 17;
  fixed[9] = 200;
  fixed[31] = SharedColour::Key;  // never forced to the key in an opaque picture
  const std::vector<uint8_t> out = QuantiseFloydSteinberg(image, pal, false, &fixed);
  ASSERT_EQ(out.size(), 32u);
  EXPECT_EQ(out[0], 17);
  EXPECT_EQ(out[9], 200);
  EXPECT_NE(out[31], SharedColour::Key);
  // A fixed map of the wrong size is refused rather than read past.
  fixed.resize(5);
  EXPECT_TRUE(QuantiseFloydSteinberg(image, pal, false, &fixed).empty());
}

TEST(PictureTable, ArtRecordsNameADrawingAndALook) {
  const std::vector<PictureEntry> table = ParsedOrFail(
      "picture data/a.kxg 640 480 opaque S\n  hot 10 10 29 29 button GO\n  art a.svg\n"
      "picture data/b.kxg 20 20 opaque S\n  twin data/a.kxg 0 10 10 29 29\n  art pressed.css\n"
      "picture data/c.kxg 20 20 opaque S\n  at 100 100\n  art a.svg frame2.css\n");
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].art, "a.svg");
  EXPECT_TRUE(table[0].artStyle.empty());
  EXPECT_TRUE(table[1].art.empty());
  EXPECT_EQ(table[1].artStyle, "pressed.css");
  EXPECT_EQ(table[2].artStyle, "frame2.css");
  // The renderings: each drawing in each look, the twin's look of its
  // normal, and the drawing with buttons, without them.
  const std::vector<RenderJob> jobs = RenderJobsFor(table);
  std::vector<std::string> names;
  for (const RenderJob& j : jobs) names.push_back(RenderedName(j));
  EXPECT_EQ(names, (std::vector<std::string>{"a.png", "a+frame2.png", "a+pressed.png", "a+probe.png"}));

  const std::string normal = "picture data/a.kxg 640 480 opaque S\n  hot 10 10 29 29 button GO\n  art a.svg\n";
  const std::string twin = "picture data/b.kxg 20 20 opaque S\n  twin data/a.kxg 0 10 10 29 29\n";
  for (const std::string& bad : std::vector<std::string>{
           normal + twin + "  art b.svg\n",                   // a twin is its normal's drawing, not its own
           normal + twin + "  art a.svg pressed.css\n",       // the same
           "picture data/a.kxg 640 480 opaque S\n  art x.css\n",  // a look without a drawing
           "picture data/a.kxg 640 480 opaque S\n  art ../a.svg\n",
           "picture data/a.kxg 640 480 opaque S\n  art a.svg b.svg\n",
           "picture data/a.kxg 640 480 opaque S\n  art a.txt b.css\n",  // pixel art has one look
           "picture data/a.kxg 640 480 opaque S\n  art a.svg b.css c.css\n",
           "picture data/a.kxg 640 480 opaque S\n  hot 10 10 29 29 button GO\n" + twin + "  art pressed.css\n",
       }) {
    std::vector<PictureEntry> t;
    std::string error;
    EXPECT_FALSE(ParsePictureTable(bad, &t, &error)) << bad;
  }
}

// The alignment check finds a button drawn beside its hot area, one not
// drawn, drawing outside every hot area, and a look that spills.
TEST(PictureAlignment, FindsButtonsOffTheirHotAreas) {
  const std::vector<PictureEntry> table = ParsedOrFail(
      "picture data/p.kxg 100 60 opaque S\n  at 200 100\n  art p.svg\n"
      "  hot 210 110 239 129 button ONE\n  hot 250 110 279 129 button TWO\n"
      "  hot 180 140 209 159 area PAST THE LEFT EDGE\n  hot 290 140 299 159 area UNDRAWN\n"
      "picture data/q.kxg 30 20 opaque S\n  twin data/p.kxg 0 210 110 239 129\n  art pressed.css\n");
  const PictureEntry& p = table[0];
  RgbaImage bare = Flat(100, 60, 0, 51, 0);
  RgbaImage drawn = bare;
  Paint(&drawn, LocalRect(p, table[0].hot[0].rect), 200, 200, 0);
  Paint(&drawn, LocalRect(p, table[0].hot[1].rect), 200, 200, 0);
  Paint(&drawn, {0, 40, 9, 59}, 200, 0, 0);  // the area from the picture's edge on
  EXPECT_TRUE(CheckHotAreas(p, drawn, bare).empty());

  RgbaImage shifted = bare;  // button ONE one pixel to the right
  Paint(&shifted, {11, 10, 40, 29}, 200, 200, 0);
  Paint(&shifted, LocalRect(p, table[0].hot[1].rect), 200, 200, 0);
  const std::vector<std::string> off = CheckHotAreas(p, shifted, bare);
  EXPECT_TRUE(Mentions(off, "outside every hot area")) << off.size();
  EXPECT_TRUE(Mentions(off, "'ONE' is not drawn out to its left edge"));

  RgbaImage missing = bare;
  Paint(&missing, LocalRect(p, table[0].hot[0].rect), 200, 200, 0);
  EXPECT_TRUE(Mentions(CheckHotAreas(p, missing, bare), "'TWO' is not drawn"));

  RgbaImage narrow = drawn;  // the area stops well short of the picture's edge
  Paint(&narrow, {0, 40, 9, 59}, 0, 51, 0);
  Paint(&narrow, {6, 40, 9, 59}, 200, 0, 0);
  EXPECT_TRUE(Mentions(CheckHotAreas(p, narrow, bare), "left edge x 180"));

  // The pressed look: inside its button, and visibly.
  RgbaImage pressed = drawn;
  Paint(&pressed, LocalRect(p, table[0].hot[0].rect), 100, 100, 0);
  EXPECT_TRUE(CheckTwinLook(table[1], p, table, drawn, pressed).empty());
  Paint(&pressed, {50, 10, 50, 10}, 1, 2, 3);  // a pixel of button TWO changes too
  EXPECT_TRUE(Mentions(CheckTwinLook(table[1], p, table, drawn, pressed), "outside its buttons"));
  RgbaImage faint = drawn;
  Paint(&faint, {12, 12, 13, 13}, 100, 100, 0);
  EXPECT_TRUE(Mentions(CheckTwinLook(table[1], p, table, drawn, faint), "hardly changes"));
}
