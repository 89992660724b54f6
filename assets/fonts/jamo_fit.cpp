// SPDX-License-Identifier: GPL-2.0-or-later
// Fitting the partial glyphs to Unifont's precomposed syllables.
//
// 1. Decomposition. Unifont draws each syllable as the union of an initial,
//    a medial and a final shape, so its syllables can be taken apart:
//    - what the syllables of one initial and medial share across the 27
//      finals (all but one of them: Unifont moves the vowel for ㄴ) is
//      their initial plus medial; the rest of each is its final;
//    - what that initial plus medial shares with the other initials is the
//      medial, and the rest is the initial. Under ㄱ and ㅋ Unifont moves
//      the vowel a pixel aside for the hook, so there the medial is what
//      lies within a pixel of that shared vowel.
//    Every syllable thus shows one shape for each of its jamo.
// 2. Choice. The game has fewer glyph sets than Unifont has variants, so
//    each partial glyph of the font (8x20 initial, 4x22 medial, 4x28 final)
//    is chosen among the shapes its jamo shows in the syllables that use it.
//    Starting from the most frequent shape, each glyph in turn takes the
//    shape with which the composed syllables differ from Unifont's in the
//    fewest pixels (pixels inked by two parts counting extra), until no
//    glyph changes. The 2350 syllables of KS C 5601 count three times.
//    Shapes that carry pieces of another jamo (finals of syllables whose
//    vowel Unifont moved) are not offered. Choosing whole shapes instead of
//    single pixels keeps every jamo a shape a reader knows, even where one
//    glyph set must stand for several of Unifont's layouts.
#include "assets/fonts/jamo_fit.h"

#include <array>
#include <cstdint>
#include <vector>

#include "text/font.h"
#include "text/hangul.h"
#include "text/hangul_fields.h"

namespace {

using Bits = std::array<uint64_t, 4>;  // 16x16, pixel y * 16 + x

Bits And(const Bits& a, const Bits& b) { return {a[0] & b[0], a[1] & b[1], a[2] & b[2], a[3] & b[3]}; }
Bits AndNot(const Bits& a, const Bits& b) { return {a[0] & ~b[0], a[1] & ~b[1], a[2] & ~b[2], a[3] & ~b[3]}; }
Bits Or(const Bits& a, const Bits& b) { return {a[0] | b[0], a[1] | b[1], a[2] | b[2], a[3] | b[3]}; }
int Count(const Bits& a) {
  return __builtin_popcountll(a[0]) + __builtin_popcountll(a[1]) + __builtin_popcountll(a[2]) +
         __builtin_popcountll(a[3]);
}

// The pixels inked in all the glyphs but at most `missing` of them.
Bits Shared(const std::vector<const Bits*>& glyphs, size_t missing) {
  Bits shared{};
  for (int q = 0; q < 256; ++q) {
    size_t inked = 0;
    for (const Bits* g : glyphs) inked += ((*g)[q / 64] >> (q % 64)) & 1;
    if (inked + missing >= glyphs.size()) shared[q / 64] |= uint64_t{1} << (q % 64);
  }
  return shared;
}

// The pixels within one pixel (in any of eight directions) of the ink.
Bits Grown(const Bits& b) {
  Bits out{};
  for (int q = 0; q < 256; ++q) {
    if (!((b[q / 64] >> (q % 64)) & 1)) continue;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = q % 16 + dx, y = q / 16 + dy;
        if (x < 0 || x > 15 || y < 0 || y > 15) continue;
        out[(y * 16 + x) / 64] |= uint64_t{1} << ((y * 16 + x) % 64);
      }
  }
  return out;
}

constexpr int Initials = 19, Medials = 21, Finals = 28;  // Unicode's order, finals with "none"
constexpr int KiyeokL = 0, KhieukhL = 15;

constexpr int MedialBase = InitialSets * InitialGlyphs;
constexpr int FinalBase = MedialBase + MedialSets * MedialGlyphs;
constexpr int PartCount = FinalBase + FinalSets * FinalGlyphs;

struct Syllable {
  int parts[3];
  int partCount;
  Bits shapes[3];  // the syllable's own shape of each part
  bool clean[3];   // false where the shape would carry pieces of another jamo
  Bits target;
  int64_t weight;
};

int SyllableIndex(int l, int v, int t) { return (l * Medials + v) * Finals + t; }

// The 11172 syllables in Unicode order; missing glyphs stay blank.
std::vector<Bits> UnifontSyllables(const UnifontGlyphs& unifont) {
  std::vector<Bits> glyphs(Initials * Medials * Finals, Bits{});
  for (int n = 0; n < Initials * Medials * Finals; ++n) {
    const auto found = unifont.find(0xAC00 + static_cast<char32_t>(n));
    if (found == unifont.end() || found->second.width != 16) continue;
    for (int q = 0; q < 256; ++q)
      if (found->second.Ink(q % 16, q / 16)) glyphs[n][q / 64] |= uint64_t{1} << (q % 64);
  }
  return glyphs;
}

std::vector<Syllable> Decompose(const std::vector<Bits>& glyphs) {
  // Initial plus medial, without (h 0) and with (h 1) a final.
  std::vector<Bits> pair[2];
  for (int h = 0; h < 2; ++h) pair[h].assign(Initials * Medials, Bits{});
  for (int l = 0; l < Initials; ++l) {
    for (int v = 0; v < Medials; ++v) {
      pair[0][l * Medials + v] = glyphs[SyllableIndex(l, v, 0)];
      std::vector<const Bits*> withFinal;
      for (int t = 1; t < Finals; ++t) withFinal.push_back(&glyphs[SyllableIndex(l, v, t)]);
      pair[1][l * Medials + v] = Shared(withFinal, 1);
    }
  }
  std::vector<Syllable> syllables;
  for (int h = 0; h < 2; ++h) {
    for (int v = 0; v < Medials; ++v) {
      std::vector<const Bits*> pairs;
      for (int l = 0; l < Initials; ++l)
        if (l != KiyeokL && l != KhieukhL) pairs.push_back(&pair[h][l * Medials + v]);
      const Bits medial = Shared(pairs, 2);
      // Under ㄱ and ㅋ Unifont moves the vowel a pixel aside for the hook.
      const Bits hookMedial = Grown(medial);
      for (int l = 0; l < Initials; ++l) {
        const Bits& both = pair[h][l * Medials + v];
        const bool hook = l == KiyeokL || l == KhieukhL;
        const Bits ownMedial = And(both, hook ? hookMedial : medial);
        const Bits initial = AndNot(both, ownMedial);
        for (int t = h == 0 ? 0 : 1; t < (h == 0 ? 1 : Finals); ++t) {
          const uint16_t johab = JohabOfSyllable(0xAC00 + static_cast<char32_t>(SyllableIndex(l, v, t)));
          const GlyphChoice choice = ChooseGlyphs(johab);
          Syllable s{};
          s.target = glyphs[SyllableIndex(l, v, t)];
          s.parts[0] = choice.initialSet * InitialGlyphs + choice.initial;
          s.shapes[0] = initial;
          s.parts[1] = MedialBase + choice.medialSet * MedialGlyphs + choice.medial;
          s.shapes[1] = ownMedial;
          s.clean[0] = s.clean[1] = true;
          s.partCount = 2;
          if (t != 0) {
            s.parts[2] = FinalBase + choice.finalSet * FinalGlyphs + choice.finalGlyph;
            s.shapes[2] = AndNot(s.target, both);
            // Where Unifont moved the vowel for this final, what is left
            // besides the shared initial and medial holds pieces of it.
            s.clean[2] = Count(AndNot(both, s.target)) <= 1;
            s.partCount = 3;
          }
          s.weight = JohabToWansung(johab) != 0 ? 3 : 1;
          syllables.push_back(s);
        }
      }
    }
  }
  return syllables;
}

// A pixel that two parts of a syllable both ink costs as much as three
// wrong pixels: where a glyph set stands for two of Unifont's layouts, the
// shapes are then chosen to sit side by side instead of running into each
// other (ㅇ over ㅝ in 원 stays a ring).
constexpr int OverlapPenalty = 3;

struct Candidates {
  std::vector<Bits> shapes;
  std::vector<int64_t> weight;  // how often each shape occurs
  std::vector<bool> clean;      // seen clean at least once
  std::vector<int> users;       // syllables that use the part
};

std::vector<Candidates> CollectCandidates(const std::vector<Syllable>& syllables) {
  std::vector<Candidates> parts(PartCount);
  for (size_t i = 0; i < syllables.size(); ++i) {
    const Syllable& s = syllables[i];
    for (int k = 0; k < s.partCount; ++k) {
      Candidates& c = parts[s.parts[k]];
      c.users.push_back(static_cast<int>(i));
      size_t at = 0;
      while (at < c.shapes.size() && c.shapes[at] != s.shapes[k]) ++at;
      if (at == c.shapes.size()) {
        c.shapes.push_back(s.shapes[k]);
        c.weight.push_back(0);
        c.clean.push_back(false);
      }
      c.weight[at] += s.weight;
      c.clean[at] = c.clean[at] || s.clean[k];
    }
  }
  // Shapes seen only with pieces of another jamo are dropped, unless a part
  // has nothing better.
  for (Candidates& c : parts) {
    bool anyClean = false;
    for (bool clean : c.clean) anyClean = anyClean || clean;
    if (!anyClean) continue;
    Candidates kept;
    kept.users = c.users;
    for (size_t k = 0; k < c.shapes.size(); ++k)
      if (c.clean[k]) {
        kept.shapes.push_back(c.shapes[k]);
        kept.weight.push_back(c.weight[k]);
        kept.clean.push_back(true);
      }
    c = kept;
  }
  return parts;
}

int64_t WrongPixels(const Syllable& s, int part, const Bits& shape, const std::vector<Bits>& glyphs) {
  Bits others{};
  for (int k = 0; k < s.partCount; ++k)
    if (s.parts[k] != part) others = Or(others, glyphs[s.parts[k]]);
  const Bits composed = Or(shape, others);
  const Bits wrong = Or(AndNot(composed, s.target), AndNot(s.target, composed));
  return (Count(wrong) + OverlapPenalty * Count(And(shape, others))) * s.weight;
}

// One sweep; returns how many glyphs changed.
int ChooseShapes(const std::vector<Syllable>& syllables, const std::vector<Candidates>& candidates,
                 std::vector<Bits>* glyphs) {
  int changed = 0;
  for (int p = 0; p < PartCount; ++p) {
    const Candidates& c = candidates[p];
    int64_t bestError = -1;
    Bits best = (*glyphs)[p];
    for (const Bits& shape : c.shapes) {
      int64_t error = 0;
      for (int user : c.users) error += WrongPixels(syllables[user], p, shape, *glyphs);
      if (bestError < 0 || error < bestError || (error == bestError && shape == (*glyphs)[p])) {
        bestError = error;
        best = shape;
      }
    }
    if (best != (*glyphs)[p]) {
      (*glyphs)[p] = best;
      ++changed;
    }
  }
  return changed;
}

void WriteGlyph(const Bits& bits, uint8_t* glyph32) {
  for (int q = 0; q < 256; ++q)
    if ((bits[q / 64] >> (q % 64)) & 1) glyph32[(q / 16) * 2 + (q % 16) / 8] |= static_cast<uint8_t>(0x80 >> (q % 8));
}

}  // namespace

std::vector<uint8_t> FitHanFont(const UnifontGlyphs& unifont) {
  const std::vector<Syllable> syllables = Decompose(UnifontSyllables(unifont));
  const std::vector<Candidates> candidates = CollectCandidates(syllables);
  std::vector<Bits> glyphs(PartCount, Bits{});
  for (int p = 0; p < PartCount; ++p) {
    const Candidates& c = candidates[p];
    int64_t most = 0;
    for (size_t k = 0; k < c.shapes.size(); ++k) {
      if (c.weight[k] <= most) continue;
      most = c.weight[k];
      glyphs[p] = c.shapes[k];
    }
  }
  for (int sweep = 0; sweep < 50 && ChooseShapes(syllables, candidates, &glyphs) > 0; ++sweep) {
  }
  // Glyph 0 of every set stands for "none"; no syllable uses it, so it stays
  // blank. The three blocks follow each other in the file in part order.
  std::vector<uint8_t> font(HanFontBytes, 0);
  for (int p = 0; p < PartCount; ++p) WriteGlyph(glyphs[p], font.data() + p * GlyphBytes16);
  return font;
}
