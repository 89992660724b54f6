// SPDX-License-Identifier: GPL-2.0-or-later
// Partial Hangul glyphs fitted to Unifont's precomposed syllables.
#pragma once

#include <cstdint>
#include <vector>

#include "assets/fonts/unifont_hex.h"

// The han.fnt image (11520 bytes): for every initial, medial and final glyph
// set, the jamo shapes whose composition by the game's set rules comes
// closest to Unifont's syllables.
std::vector<uint8_t> FitHanFont(const UnifontGlyphs& unifont);
