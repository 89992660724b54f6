// Wansung (EUC-KR, KS C 5601) and UTF-8, through iconv: the texts of boxes and
// dialogs are Wansung, SDL's fonts and text input speak UTF-8. Free of SDL.
#pragma once

#include <string>

namespace sdl_backend {

// Bytes without a Wansung meaning come out as '?'.
std::string WansungToUtf8(const char* text, size_t length);
std::string WansungToUtf8(const std::string& text);

// Length in bytes of the UTF-8 character that starts text (1 for a stray byte).
int Utf8CharLength(const char* text, size_t remaining);

// The Wansung code of one UTF-8 character (1 byte for ASCII, 2 for KS C
// 5601). False for a character that has none, and for control characters.
bool Utf8CharToWansung(const char* utf8, size_t length, std::string* wansung);

}  // namespace sdl_backend
