// SPDX-License-Identifier: GPL-2.0-or-later
// The one 256-colour palette that every picture of the default data tree
// carries. Because all pictures share it, a picture loaded without its
// palette (the town map, the contract list, the start screen...) looks right
// under whatever palette the game set before.
//
// Fixed entries (the screens draw text in these indexes):
//     0  black          status lines of the office (with shadow 248), the
//                       personnel name, and the shadow under every other text
//     8  light cyan     planning header
//    55  pale cream     the default text colour set at start-up
//    63  light green    contract offers
//    76  orange         header lines of the job agency and the contract list
//    77  yellow         the office's job line and the ranking header; drawn
//                       with shadow 0, so it must be bright
//   120  light red      "no job seekers" / "no contract information"
//   213  light blue     ranking rows
//   248  near white     the light shadow under black text, and the rows of
//                       the job agency and the planning list
//   255  magenta        the transparent key of sprites and the cursor; it
//                       appears in no picture except as transparency
// The rest: a 6x6x6 colour cube (steps of 51, without black, which is entry
// 0, and without pure magenta, which would look like the key), a grey ramp,
// skin and wood tones and four slate blues for calm panels.
#pragma once

#include <array>
#include <cstdint>

namespace SharedColour {
constexpr uint8_t Black = 0;
constexpr uint8_t PlanningHeader = 8;
constexpr uint8_t DefaultText = 55;
constexpr uint8_t ContractRows = 63;
constexpr uint8_t ListHeader = 76;
constexpr uint8_t JobLine = 77;
constexpr uint8_t EmptyList = 120;
constexpr uint8_t RankingRows = 213;
constexpr uint8_t LightText = 248;
constexpr uint8_t Key = 255;
}  // namespace SharedColour

struct Rgb {
  uint8_t r, g, b;
};

struct FixedColour {
  uint8_t index;
  Rgb rgb;
};

inline constexpr std::array<FixedColour, 10> FixedColours{{
    {SharedColour::Black, {0, 0, 0}},
    {SharedColour::PlanningHeader, {140, 230, 255}},
    {SharedColour::DefaultText, {250, 240, 200}},
    {SharedColour::ContractRows, {150, 255, 150}},
    {SharedColour::ListHeader, {255, 180, 80}},
    {SharedColour::JobLine, {255, 255, 64}},
    {SharedColour::EmptyList, {255, 136, 136}},
    {SharedColour::RankingRows, {176, 216, 255}},
    {SharedColour::LightText, {244, 244, 244}},
    {SharedColour::Key, {255, 0, 255}},
}};

inline constexpr std::array<uint8_t, 16> GreyRamp{8, 17, 25, 34, 42, 60, 68, 85, 94, 119, 136, 170, 187, 221, 230, 238};

inline constexpr std::array<Rgb, 16> ExtraTones{{
    // skin, light to dark
    {255, 224, 196},
    {240, 196, 160},
    {224, 168, 128},
    {196, 136, 100},
    {160, 104, 72},
    {112, 72, 48},
    // wood, light to dark
    {222, 184, 135},
    {190, 150, 100},
    {156, 116, 72},
    {128, 88, 56},
    {96, 64, 40},
    {72, 44, 28},
    // slate blues for panels and calm backgrounds
    {24, 32, 64},
    {48, 64, 112},
    {88, 104, 152},
    {150, 165, 190},
}};

// Fills the free entries in index order: cube, greys, tones.
inline std::array<uint8_t, 768> MakeSharedPalette() {
  std::array<uint8_t, 768> palette{};
  std::array<bool, 256> fixed{};
  for (const FixedColour& c : FixedColours) {
    fixed[c.index] = true;
    palette[c.index * 3] = c.rgb.r;
    palette[c.index * 3 + 1] = c.rgb.g;
    palette[c.index * 3 + 2] = c.rgb.b;
  }
  int next = 0;
  auto put = [&](Rgb c) {
    while (next < 256 && fixed[next]) ++next;
    if (next >= 256) return;
    palette[next * 3] = c.r;
    palette[next * 3 + 1] = c.g;
    palette[next * 3 + 2] = c.b;
    ++next;
  };
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) {
        const bool black = r == 0 && g == 0 && b == 0;
        const bool magenta = r == 5 && g == 0 && b == 5;
        if (!black && !magenta)
          put({static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51), static_cast<uint8_t>(b * 51)});
      }
  for (uint8_t v : GreyRamp) put({v, v, v});
  for (Rgb c : ExtraTones) put(c);
  return palette;
}

inline const std::array<uint8_t, 768>& SharedPalette() {
  static const std::array<uint8_t, 768> palette = MakeSharedPalette();
  return palette;
}

// The entry of the palette nearest to c (weighted RGB distance), never the
// transparent key.
inline uint8_t NearestColour(const std::array<uint8_t, 768>& palette, int r, int g, int b) {
  long best = -1;
  uint8_t bestIndex = 0;
  for (int i = 0; i < 255; ++i) {
    const long dr = r - palette[i * 3], dg = g - palette[i * 3 + 1], db = b - palette[i * 3 + 2];
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (best < 0 || d < best) {
      best = d;
      bestIndex = static_cast<uint8_t>(i);
    }
  }
  return bestIndex;
}

inline uint8_t NearestShared(Rgb c) { return NearestColour(SharedPalette(), c.r, c.g, c.b); }
