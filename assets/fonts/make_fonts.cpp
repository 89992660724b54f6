// SPDX-License-Identifier: GPL-2.0-or-later
// kxs-make-fonts UNIFONT.hex HAN.fnt ENG.fnt [--measure]
// Writes the game's two bitmap fonts from GNU Unifont: han.fnt with partial
// Hangul glyphs fitted to Unifont's syllables, eng.fnt with Unifont's 8x16
// glyphs of U+0020..U+007E and U+00A0..U+00FF (the rest blank). --measure
// then loads them and reports how the composed syllables compare.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assets/fonts/font_measure.h"
#include "assets/fonts/jamo_fit.h"
#include "assets/fonts/unifont_hex.h"
#include "text/font.h"

namespace {

std::vector<uint8_t> MakeEngFont(const UnifontGlyphs& unifont) {
  std::vector<uint8_t> font(EngFontBytes, 0);
  for (int b = 0x20; b <= 0xFF; ++b) {
    if (b >= 0x7F && b < 0xA0) continue;  // DEL and the C1 controls stay blank
    const auto found = unifont.find(static_cast<char32_t>(b));
    if (found == unifont.end() || found->second.width != 8) continue;
    std::memcpy(font.data() + b * GlyphBytes8, found->second.bytes, GlyphBytes8);
  }
  return font;
}

// Through a temporary name, so that a half-written font never stands.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) {
    std::remove(temporary.c_str());
    return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int Measure(const UnifontGlyphs& unifont, const char* hanPath, const char* engPath) {
  if (LoadFonts(hanPath, engPath) == 0) {
    std::fprintf(stderr, "kxs-make-fonts: %s\n", FontLoadError());
    return 1;
  }
  const FontScore score = MeasureComposedSyllables(unifont);
  std::printf("2350 syllables composed against Unifont: mean IoU %.4f\nworst:", score.mean);
  for (size_t i = 0; i < 12 && i < score.scores.size(); ++i)
    std::printf(" %s %.3f", score.scores[i].utf8.c_str(), score.scores[i].iou);
  int below[3] = {0, 0, 0};
  for (const SyllableScore& s : score.scores) {
    below[0] += s.iou < 0.9;
    below[1] += s.iou < 0.8;
    below[2] += s.iou < 0.7;
  }
  std::printf("\nbelow 0.9: %d, below 0.8: %d, below 0.7: %d\n", below[0], below[1], below[2]);
  FreeFonts();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || (argc == 5 && std::strcmp(argv[4], "--measure") != 0) || argc > 5) {
    std::fprintf(stderr, "usage: kxs-make-fonts UNIFONT.hex HAN.fnt ENG.fnt [--measure]\n");
    return 2;
  }
  UnifontGlyphs unifont;
  std::string error;
  if (!ReadUnifontHex(argv[1], &unifont, &error)) {
    std::fprintf(stderr, "kxs-make-fonts: %s\n", error.c_str());
    return 1;
  }
  if (unifont.find(0xAC00) == unifont.end() || unifont.find(U'A') == unifont.end()) {
    std::fprintf(stderr, "kxs-make-fonts: %s lacks the Hangul syllables or ASCII\n", argv[1]);
    return 1;
  }
  if (!WriteFile(argv[2], FitHanFont(unifont)) || !WriteFile(argv[3], MakeEngFont(unifont))) {
    std::fprintf(stderr, "kxs-make-fonts: cannot write %s or %s\n", argv[2], argv[3]);
    return 1;
  }
  return argc == 5 ? Measure(unifont, argv[2], argv[3]) : 0;
}
