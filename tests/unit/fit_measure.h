// SPDX-License-Identifier: GPL-2.0-or-later
// How wide a text is where the game shows it: with the game's bitmap fonts
// on its screens (8 pixels a byte below 0x80, 16 a Hangul syllable), and
// with the TrueType font the backends draw boxes and dialogs with
// (NanumGothic, each advance hinted to a whole pixel; SDL_ttf, which also
// kerns, measures within two pixels of it). Used by the fit tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fit {

// The width of utf8 drawn with han.fnt and eng.fnt, or -1 when a character
// has no glyph there (anything but printable ASCII and Hangul syllables, or
// an ASCII glyph that eng.fnt leaves empty); *bad names the character.
int GameTextPixels(const std::string& utf8, const std::vector<uint8_t>& engFont, std::string* bad);

// Advance widths of a TrueType font, read from its cmap (format 4), hmtx and
// head tables; a file it cannot read leaves it empty.
class TrueTypeWidths {
 public:
  bool Load(const std::string& path);
  bool Loaded() const { return unitsPerEm_ > 0; }
  // The width at `pixels` per em, or -1 when a character is not in the font.
  int Pixels(const std::string& utf8, int pixels, std::string* bad) const;

 private:
  int Glyph(char32_t c) const;
  std::vector<uint8_t> file_;
  size_t cmap_ = 0;  // offset of the format 4 subtable
  size_t hmtx_ = 0;
  int metrics_ = 0;
  int unitsPerEm_ = 0;
};

// The characters of a UTF-8 text (a malformed byte becomes U+FFFD).
std::u32string CodePoints(const std::string& utf8);

// A printf format filled with sample texts, one per conversion, for the
// formats of the game's lines: flags '-', a width, a precision ('.N' or
// '.*', taking no sample of its own), conversions s d u; "%%" is '%'. The
// samples stand for the values as printed. Widths count bytes, as printf's
// do: give it Johab, as the game formats its lines.
std::string Formatted(const std::string& format, const std::vector<std::string>& samples);
// The width of the n-th conversion of a format (its column), 0 when none.
int ColumnWidth(const std::string& format, int n);

}  // namespace fit
