#include "platform/headless/wansung_utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

// iconv stops at a byte it cannot convert; such a byte is written as '?'
// and the conversion goes on after it.
static std::string Convert(const char* from, const char* to, const std::string& text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  std::string input = text;
  char* in = input.data();
  size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      out.push_back('?');
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

std::string HeadlessWansungToUtf8(const char* wansung) { return Convert("EUC-KR", "UTF-8", wansung); }

std::string HeadlessUtf8ToWansung(const std::string& utf8) { return Convert("UTF-8", "EUC-KR", utf8); }

std::string HeadlessLogText(const char* wansung) {
  std::string text = HeadlessWansungToUtf8(wansung);
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out.push_back(c);
    }
  }
  return out;
}
