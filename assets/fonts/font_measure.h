// SPDX-License-Identifier: GPL-2.0-or-later
// How closely the composed syllables follow Unifont's precomposed ones: all
// 2350 KS C 5601 syllables are drawn through the game's own conversion and
// text drawing with the loaded fonts, and each 16x16 cell is compared with
// Unifont's glyph by intersection over union of the ink.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/fonts/unifont_hex.h"
#include "gfx/frame.h"
#include "text/font.h"
#include "text/hangul.h"
#include "text/utf8.h"

struct SyllableScore {
  int entry;         // position among the 2350
  std::string utf8;  // the syllable
  double iou;
};

struct FontScore {
  double mean = 0;
  std::vector<SyllableScore> scores;  // worst first
};

inline FontScore MeasureComposedSyllables(const UnifontGlyphs& unifont) {
  constexpr int PerRow = FrameWidth / 16;
  constexpr int PerFrame = PerRow * (FrameHeight / 16);
  std::vector<uint8_t> frame(FrameBytes);
  FontScore result;
  const uint8_t savedColour = TextColour;
  TextColour = 1;
  for (int first = 0; first < SyllableCount; first += PerFrame) {
    std::fill(frame.begin(), frame.end(), 0);
    std::string johab;
    std::vector<std::string> utf8;
    for (int n = first; n < std::min(first + PerFrame, SyllableCount); ++n) {
      const uint16_t wansung = static_cast<uint16_t>(0xB0A1 + (n / 94) * 256 + n % 94);
      utf8.push_back(WansungToUtf8(std::string{static_cast<char>(wansung >> 8), static_cast<char>(wansung & 0xFF)}));
      std::string one;
      Utf8ToJohab(utf8.back(), &one);
      johab += one;
      if ((n - first) % PerRow == PerRow - 1) johab += '\n';
    }
    DrawTextPlain(frame.data(), 0, 0, johab.c_str());
    for (size_t k = 0; k < utf8.size(); ++k) {
      const int cellX = static_cast<int>(k % PerRow) * 16;
      const int cellY = static_cast<int>(k / PerRow) * 16;
      // The code point from the UTF-8 of the syllable (three bytes).
      const auto b = [&](int i) { return static_cast<char32_t>(static_cast<uint8_t>(utf8[k][i])); };
      const char32_t codePoint = (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
      const auto found = unifont.find(codePoint);
      int both = 0, either = 0;
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
          const bool ours = frame[(cellY + y) * FrameWidth + cellX + x] != 0;
          const bool theirs = found != unifont.end() && found->second.width == 16 && found->second.Ink(x, y);
          both += ours && theirs;
          either += ours || theirs;
        }
      }
      const double iou = either == 0 ? 1.0 : static_cast<double>(both) / either;
      result.scores.push_back({first + static_cast<int>(k), utf8[k], iou});
      result.mean += iou;
    }
  }
  TextColour = savedColour;
  result.mean /= SyllableCount;
  std::stable_sort(result.scores.begin(), result.scores.end(),
                   [](const SyllableScore& a, const SyllableScore& b) { return a.iou < b.iou; });
  return result;
}
