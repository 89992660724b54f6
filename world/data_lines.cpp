// SPDX-License-Identifier: GPL-2.0-or-later
#include "world/data_lines.h"

#include <limits>

namespace {

constexpr int TextEnd = 0x1A;  // Ctrl-Z: the end of a text-mode stream

// The next character as text mode delivers it, or EOF.
int ReadTextChar(DataLineReader* reader) {
  if (reader->ended) return EOF;
  int c = std::getc(reader->file);
  if (c == '\r') {
    const int next = std::getc(reader->file);
    if (next == '\n') return '\n';
    if (next != EOF) std::ungetc(next, reader->file);
  }
  if (c == TextEnd) c = EOF;
  if (c == EOF) {
    reader->ended = true;
    if (std::ferror(reader->file)) reader->failed = true;
  }
  return c;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

bool ReadDataLine(DataLineReader* reader) {
  char text[DataLineBytes];
  int length = 0;
  while (length < DataLineBytes - 1) {
    const int c = ReadTextChar(reader);
    if (c == EOF) break;
    text[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  if (length == 0 || reader->failed) return false;
  for (int i = 0; i < length; ++i) reader->line[i] = text[i];
  reader->line[length] = '\0';
  reader->lineNumber += 1;
  return true;
}

void SkipDataLines(DataLineReader* reader, int count) {
  for (int i = 0; i < count; ++i) ReadDataLine(reader);
}

int64_t ParseInt64(const char* text) {
  while (IsSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  // Accumulate towards the sign so that the most negative value fits.
  int64_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    const int digit = *text - '0';
    if (negative) {
      if (value < (std::numeric_limits<int64_t>::min() + digit) / 10) return std::numeric_limits<int64_t>::min();
      value = value * 10 - digit;
    } else {
      if (value > (std::numeric_limits<int64_t>::max() - digit) / 10) return std::numeric_limits<int64_t>::max();
      value = value * 10 + digit;
    }
  }
  return value;
}

int32_t ParseInt32(const char* text) {
  const int64_t value = ParseInt64(text);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}
