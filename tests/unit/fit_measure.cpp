#include "tests/unit/fit_measure.h"

#include <fstream>
#include <iterator>

namespace fit {

namespace {

constexpr char32_t NoCharacter = 0xFFFD;

bool IsHangulSyllable(char32_t c) { return c >= 0xAC00 && c <= 0xD7A3; }

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
  } else if (c < 0x10000) {
    out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
  } else {
    out += {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
            static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
  }
  return out;
}

// 'C' for a message, built by appending ("'" + Utf8Of(c) trips a false
// -Wrestrict of GCC 12 at -O3).
std::string Quoted(char32_t c) {
  std::string quoted(1, '\'');
  quoted += Utf8Of(c);
  quoted += '\'';
  return quoted;
}

}  // namespace

std::u32string CodePoints(const std::string& utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > utf8.size()) {
      out.push_back(NoCharacter);
      ++i;
      continue;
    }
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length; ++k) c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(c);
    i += length;
  }
  return out;
}

int GameTextPixels(const std::string& utf8, const std::vector<uint8_t>& engFont, std::string* bad) {
  int width = 0;
  for (char32_t c : CodePoints(utf8)) {
    if (IsHangulSyllable(c)) {
      width += 16;
      continue;
    }
    bool drawn = c >= 0x20 && c < 0x7F;
    if (drawn && c != ' ') {
      drawn = false;
      for (int row = 0; row < 16 && engFont.size() >= 4096; ++row) drawn = drawn || engFont[c * 16 + row] != 0;
    }
    if (!drawn) {
      *bad = c < 0x80 ? "byte " + std::to_string(static_cast<int>(c)) : Quoted(c);
      return -1;
    }
    width += 8;
  }
  return width;
}

namespace {

uint32_t Read16(const std::vector<uint8_t>& f, size_t at) { return at + 2 <= f.size() ? f[at] << 8 | f[at + 1] : 0; }
uint32_t Read32(const std::vector<uint8_t>& f, size_t at) { return Read16(f, at) << 16 | Read16(f, at + 2); }

}  // namespace

bool TrueTypeWidths::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  file_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  size_t head = 0, hhea = 0, cmap = 0;
  const uint32_t tables = Read16(file_, 4);
  for (uint32_t i = 0; i < tables; ++i) {
    const size_t record = 12 + 16 * static_cast<size_t>(i);
    const uint32_t tag = Read32(file_, record), offset = Read32(file_, record + 8);
    if (tag == 0x68656164) head = offset;        // head
    if (tag == 0x68686561) hhea = offset;        // hhea
    if (tag == 0x686D7478) hmtx_ = offset;       // hmtx
    if (tag == 0x636D6170) cmap = offset;        // cmap
  }
  if (head == 0 || hhea == 0 || hmtx_ == 0 || cmap == 0) return false;
  metrics_ = static_cast<int>(Read16(file_, hhea + 34));
  // The Unicode subtable of Windows (3, 1) or of Unicode (0, 3), format 4.
  const uint32_t subtables = Read16(file_, cmap + 2);
  for (uint32_t i = 0; i < subtables && cmap_ == 0; ++i) {
    const size_t record = cmap + 4 + 8 * static_cast<size_t>(i);
    const uint32_t platform = Read16(file_, record), encoding = Read16(file_, record + 2);
    const size_t at = cmap + Read32(file_, record + 4);
    if (((platform == 3 && encoding == 1) || (platform == 0 && encoding == 3)) && Read16(file_, at) == 4) cmap_ = at;
  }
  if (cmap_ == 0 || metrics_ == 0) return false;
  unitsPerEm_ = static_cast<int>(Read16(file_, head + 18));
  return unitsPerEm_ > 0;
}

int TrueTypeWidths::Glyph(char32_t c) const {
  if (c > 0xFFFF) return 0;
  const uint32_t segments = Read16(file_, cmap_ + 6) / 2;
  const size_t ends = cmap_ + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
               ranges = deltas + 2 * segments;
  for (uint32_t s = 0; s < segments; ++s) {
    if (c > Read16(file_, ends + 2 * s)) continue;
    const uint32_t start = Read16(file_, starts + 2 * s);
    if (c < start) return 0;
    const uint32_t delta = Read16(file_, deltas + 2 * s), range = Read16(file_, ranges + 2 * s);
    if (range == 0) return static_cast<int>((c + delta) & 0xFFFF);
    const uint32_t glyph = Read16(file_, ranges + 2 * s + range + 2 * (c - start));
    return glyph == 0 ? 0 : static_cast<int>((glyph + delta) & 0xFFFF);
  }
  return 0;
}

int TrueTypeWidths::Pixels(const std::string& utf8, int pixels, std::string* bad) const {
  if (!Loaded()) return -1;
  int width = 0;
  for (char32_t c : CodePoints(utf8)) {
    const int glyph = Glyph(c);
    if (glyph == 0 && c != ' ') {
      *bad = Quoted(c);
      return -1;
    }
    const int metric = glyph < metrics_ ? glyph : metrics_ - 1;
    const uint32_t advance = Read16(file_, hmtx_ + 4 * static_cast<size_t>(metric));
    // Hinted, each advance lands on a whole pixel.
    width += static_cast<int>((advance * pixels + unitsPerEm_ / 2) / unitsPerEm_);
  }
  return width;
}

namespace {

struct Conversion {
  size_t begin = 0, end = 0;  // the whole "%...x"
  bool left = false;
  int width = 0;
  char type = 0;  // 0: "%%"
};

bool NextConversion(const std::string& format, size_t from, Conversion* c) {
  const size_t at = format.find('%', from);
  if (at == std::string::npos) return false;
  *c = Conversion{at, at + 1};
  size_t i = at + 1;
  if (i < format.size() && format[i] == '%') {
    c->end = i + 1;
    return true;
  }
  if (i < format.size() && format[i] == '-') c->left = true, ++i;
  while (i < format.size() && format[i] >= '0' && format[i] <= '9') c->width = c->width * 10 + (format[i++] - '0');
  if (i < format.size() && format[i] == '.') {
    ++i;
    if (i < format.size() && format[i] == '*') ++i;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
  }
  c->type = i < format.size() ? format[i] : 's';
  c->end = i + 1;
  return true;
}

}  // namespace

std::string Formatted(const std::string& format, const std::vector<std::string>& samples) {
  std::string out;
  size_t from = 0, next = 0;
  Conversion c;
  while (NextConversion(format, from, &c)) {
    out += format.substr(from, c.begin - from);
    if (c.type == 0) {
      out.push_back('%');
    } else {
      const std::string value = next < samples.size() ? samples[next++] : "";
      const int pad = c.width - static_cast<int>(value.size());
      const std::string blanks(pad > 0 ? static_cast<size_t>(pad) : 0, ' ');
      out += c.left ? value + blanks : blanks + value;
    }
    from = c.end;
  }
  return out + format.substr(from);
}

int ColumnWidth(const std::string& format, int n) {
  size_t from = 0;
  Conversion c;
  int index = 0;
  while (NextConversion(format, from, &c)) {
    if (c.type != 0 && index++ == n) return c.width;
    from = c.end;
  }
  return 0;
}

}  // namespace fit
