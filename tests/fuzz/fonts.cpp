// SPDX-License-Identifier: GPL-2.0-or-later
// The font files, then text drawn with whatever was loaded. An input of at
// least both fonts' sizes is split into han.fnt, eng.fnt and a text; a
// shorter one is written as both files (and refused) and drawn as text with
// the fonts of earlier inputs.
#include <cstring>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "text/font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  const uint8_t* text = data;
  size_t textSize = size;
  if (size >= size_t(HanFontBytes + EngFontBytes)) {
    FuzzWriteFile("han.fnt", data, HanFontBytes);
    FuzzWriteFile("eng.fnt", data + HanFontBytes, EngFontBytes);
    text = data + HanFontBytes + EngFontBytes;
    textSize = size - HanFontBytes - EngFontBytes;
  } else {
    FuzzWriteFile("han.fnt", data, size);
    FuzzWriteFile("eng.fnt", data, size);
  }
  LoadFonts("han.fnt", "eng.fnt");
  // The first two bytes place the pen, anywhere from well off the left and
  // top to well past the right and bottom edges.
  int x = 10, y = 10;
  if (textSize >= 2) {
    x = int(int8_t(text[0])) * 6;
    y = int(int8_t(text[1])) * 4;
    text += 2;
    textSize -= 2;
  }
  std::vector<char> string(text, text + textSize);
  string.push_back('\0');
  std::vector<uint8_t> frame(640 * 480);
  DrawText(frame.data(), x, y, string.data(), 15, 0);
  DrawTextPlain(frame.data(), x + 320, y + 240, string.data());
  uint8_t glyph[GlyphBytes16];
  if (textSize >= 2) ComposeGlyph(uint16_t(text[0] << 8 | text[1]), glyph);
  if (size % 16 == 0) FreeFonts();
  return 0;
}
