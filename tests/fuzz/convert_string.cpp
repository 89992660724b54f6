// SPDX-License-Identifier: GPL-2.0-or-later
// ConvertString between every pair of code types: the first two bytes pick
// the pair (1..7 each), the rest is the text. The length never changes.
#include <cstring>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "text/hangul.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t from = uint8_t(1 + data[0] % 7);
  const uint8_t to = uint8_t(1 + data[1] % 7);
  std::vector<char> text(data + 2, data + size);
  text.push_back('\0');
  const size_t length = std::strlen(text.data());
  ConvertString(from, to, text.data());
  if (std::strlen(text.data()) != length) FuzzFail("ConvertString changed the length");
  for (size_t i = 2; i + 1 < size; i += 2) ConvertCode(from, to, uint16_t(data[i] << 8 | data[i + 1]));
  std::vector<char> line(data + 2, data + size);
  line.push_back('\0');
  TrimLineEnd(line.data());
  return 0;
}
