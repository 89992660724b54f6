// SPDX-License-Identifier: GPL-2.0-or-later
// The text-mode line reading of the data files and the atoi-style numbers.
#include "world/data_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/world_test_support.h"

namespace {

// Every read of the file: the buffer after it, and whether it found text.
std::vector<std::string> ReadAll(const std::string& bytes, int reads) {
  ScratchDirectory scratch;
  WriteBytes("lines.txt", bytes);
  DataLineReader reader;
  reader.file = std::fopen("lines.txt", "rb");
  std::vector<std::string> results;
  for (int i = 0; i < reads; ++i) {
    const bool got = ReadDataLine(&reader);
    results.push_back(std::string(got ? "+" : "-") + reader.line);
  }
  std::fclose(reader.file);
  return results;
}

TEST(DataLines, ALongLineIsSplitAfterSeventyNineBytes) {
  const std::string longLine(100, 'a');
  const auto reads = ReadAll(longLine + "\nnext\n", 3);
  EXPECT_EQ(reads[0], "+" + std::string(79, 'a'));
  EXPECT_EQ(reads[1], "+" + std::string(21, 'a') + "\n");
  EXPECT_EQ(reads[2], "+next\n");
  // A line of exactly 78 characters and its line feed fit in one read.
  const auto fits = ReadAll(std::string(78, 'b') + "\nc\n", 2);
  EXPECT_EQ(fits[0], "+" + std::string(78, 'b') + "\n");
  EXPECT_EQ(fits[1], "+c\n");
}

TEST(DataLines, TextModeLineEnds) {
  const auto reads = ReadAll("one\r\ntwo\rthree\nfour\x1Ahidden\n", 4);
  EXPECT_EQ(reads[0], "+one\n");
  EXPECT_EQ(reads[1], "+two\rthree\n");  // a lone CR is text
  EXPECT_EQ(reads[2], "+four");          // Ctrl-Z ends the text
  EXPECT_EQ(reads[3], "-four");
  // CR LF counts as one byte against the limit, as text mode delivers it.
  const auto crlf = ReadAll(std::string(78, 'x') + "\r\ny\r\n", 2);
  EXPECT_EQ(crlf[0], "+" + std::string(78, 'x') + "\n");
  EXPECT_EQ(crlf[1], "+y\n");
}

TEST(DataLines, TheEndOfTheFileKeepsThePreviousLine) {
  const auto reads = ReadAll("first\nlast", 4);
  EXPECT_EQ(reads[0], "+first\n");
  EXPECT_EQ(reads[1], "+last");
  EXPECT_EQ(reads[2], "-last");
  EXPECT_EQ(reads[3], "-last");
  EXPECT_EQ(ReadAll("", 1)[0], "-");
}

TEST(DataLines, NumbersAsAtoiReadsThem) {
  EXPECT_EQ(ParseInt32("  \t-12abc"), -12);
  EXPECT_EQ(ParseInt32("+7\n"), 7);
  EXPECT_EQ(ParseInt32("abc"), 0);
  EXPECT_EQ(ParseInt32(""), 0);
  EXPECT_EQ(ParseInt32("- 5"), 0);
  EXPECT_EQ(ParseInt32("99999999999"), INT32_MAX);
  EXPECT_EQ(ParseInt32("-99999999999"), INT32_MIN);
  EXPECT_EQ(ParseInt64("5000000000\n"), 5000000000LL);
  EXPECT_EQ(ParseInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(ParseInt64("9223372036854775808"), INT64_MAX);
  EXPECT_EQ(ParseInt64("-99999999999999999999"), INT64_MIN);
}

}  // namespace
