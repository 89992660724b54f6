// SPDX-License-Identifier: GPL-2.0-or-later
// The drawings in another language: a copy of art/ in which every word of
// every <text> is the catalogue's (context "picture"), and the shared
// stylesheet carries the look of a Latin script (lang/latin.css: words
// written down a ribbon in Hangul run along it instead) and the language's
// own adjustments (lang/LANG.css, if there is one).
#pragma once

#include <string>

// Writes the translated copy of artDir into outDir in the current language
// (text/catalogue.h), touching only files whose bytes change, so that the
// renderer redoes only the drawings whose words changed. False with the
// reason in *error.
bool TranslateArt(const std::string& artDir, const std::string& langDir, const std::string& outDir, std::string* error);

// One drawing's text translated: each run of characters between the tags
// inside a <text> element, looked up without its surrounding blanks.
std::string TranslatedSvg(const std::string& svg);
