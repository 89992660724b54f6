#include "platform/sdl/wansung.h"

#include <iconv.h>

#include <cerrno>

namespace sdl_backend {

// Strict EUC-KR: the 2350 syllables of KS C 5601 and its symbols. The
// extended code page (CP949) has codes the game's conversion cannot take.
static iconv_t Descriptor(bool toUtf8) {
  static iconv_t fromWansung = iconv_t(-1), toWansung = iconv_t(-1);
  static bool opened;
  if (!opened) {
    fromWansung = iconv_open("UTF-8", "EUC-KR");
    toWansung = iconv_open("EUC-KR", "UTF-8");
    opened = true;
  }
  return toUtf8 ? fromWansung : toWansung;
}

static bool ConvertPiece(iconv_t cd, const char* in, size_t length, std::string* out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char buffer[16];
  char* src = const_cast<char*>(in);
  size_t left = length;
  char* dst = buffer;
  size_t room = sizeof buffer;
  if (iconv(cd, &src, &left, &dst, &room) == size_t(-1) || left != 0) return false;
  out->append(buffer, size_t(dst - buffer));
  return true;
}

std::string WansungToUtf8(const char* text, size_t length) {
  std::string out;
  out.reserve(length * 3 / 2 + 1);
  const iconv_t cd = Descriptor(true);
  size_t i = 0;
  while (i < length) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out.push_back(char(c));
      ++i;
      continue;
    }
    // A double-byte character, converted alone so that one bad pair costs one '?'.
    if (i + 1 < length && cd != iconv_t(-1) && ConvertPiece(cd, text + i, 2, &out)) {
      i += 2;
      continue;
    }
    out.push_back('?');
    i += (i + 1 < length && static_cast<unsigned char>(text[i + 1]) >= 0xA1) ? 2 : 1;
  }
  return out;
}

std::string WansungToUtf8(const std::string& text) { return WansungToUtf8(text.data(), text.size()); }

int Utf8CharLength(const char* text, size_t remaining) {
  if (remaining == 0) return 0;
  const unsigned char c = static_cast<unsigned char>(text[0]);
  int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
  if (size_t(length) > remaining) return 1;
  for (int i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

bool Utf8CharToWansung(const char* utf8, size_t length, std::string* wansung) {
  if (length == 0) return false;
  const unsigned char c = static_cast<unsigned char>(utf8[0]);
  if (length == 1) {
    if (c < 0x20 || c >= 0x7F) return false;
    wansung->push_back(char(c));
    return true;
  }
  const iconv_t cd = Descriptor(false);
  if (cd == iconv_t(-1)) return false;
  std::string piece;
  if (!ConvertPiece(cd, utf8, length, &piece) || piece.size() != 2) return false;
  // Only the two-byte codes of KS C 5601 (both bytes 0xA1..0xFE).
  const unsigned char lead = static_cast<unsigned char>(piece[0]), trail = static_cast<unsigned char>(piece[1]);
  if (lead < 0xA1 || lead > 0xFE || trail < 0xA1 || trail > 0xFE) return false;
  wansung->append(piece);
  return true;
}

}  // namespace sdl_backend
