// SPDX-License-Identifier: GPL-2.0-or-later
// UTF-8 for the project's own needs: Korean literals are written in source as
// readable UTF-8 and converted here; logs and tools print UTF-8.
//
// Supported: ASCII; every precomposed Hangul syllable (all 11172 in Johab,
// the 2350 of KS C 5601 in Wansung); the compatibility jamo of row 0xA4 (in
// Johab the 51 modern ones, as combinational codes the fonts can draw); the
// symbols of rows 0xA1 and 0xA2 (for example "·" and "∼") and the full-width
// forms of row 0xA3 (Johab takes these through its symbol rows). Hanja and
// the other symbol rows are not converted.
#pragma once

#include <string>

// The literal converted to Wansung (or Johab), once on first use and kept for
// the life of the program; the same pointer is returned on every call with
// the same literal. A character without a Wansung code becomes two spaces.
const char* WansungText(const char* utf8);
const char* JohabText(const char* utf8);
inline const char* WansungText(const char8_t* utf8) { return WansungText(reinterpret_cast<const char*>(utf8)); }
inline const char* JohabText(const char8_t* utf8) { return JohabText(reinterpret_cast<const char*>(utf8)); }

// Whole-string conversions. The *To* functions that can meet characters the
// target cannot hold return false and write two spaces for each of them.
bool Utf8ToWansung(const std::string& utf8, std::string* wansung);
bool Utf8ToJohab(const std::string& utf8, std::string* johab);
// A code without a Unicode character here becomes U+FFFD.
std::string WansungToUtf8(const std::string& wansung);
std::string JohabToUtf8(const std::string& johab);
