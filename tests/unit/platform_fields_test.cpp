// SPDX-License-Identifier: GPL-2.0-or-later
// The edit fields of dialogs on every backend: bytes, never half a
// character, within the limit.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/field_text.h"

namespace {

// Wansung of "김" (Wansung bytes pin the encoding here).
const std::string Kim = "\xB1\xE8";

TEST(PlatformFields, EditingMovesByWholeCharacters) {
  std::string text = "A" + Kim + "B";
  EXPECT_EQ(FieldNextBoundary(text, 1), 3);
  EXPECT_EQ(FieldPreviousBoundary(text, 3), 1);
  EXPECT_EQ(FieldSnapBoundary(text, 2), 1);
  int caret = 3;
  FieldBackspace(&text, &caret);
  EXPECT_EQ(text, "AB");
  EXPECT_EQ(caret, 1);
  caret = 0;
  FieldBackspace(&text, &caret);
  EXPECT_EQ(text, "AB");
  FieldDelete(&text, &caret);
  EXPECT_EQ(text, "B");
  text = "abc\xB1";  // a lead byte that lost its partner counts as one
  EXPECT_EQ(FieldNextBoundary(text, 3), 4);
}

TEST(PlatformFields, TheLimitRefusesWholeCharacters) {
  EXPECT_EQ(FieldByteLimit(0), 255);
  EXPECT_EQ(FieldByteLimit(-3), 255);
  EXPECT_EQ(FieldByteLimit(12), 12);
  EXPECT_EQ(FieldByteLimit(1 << 20), MaxFieldBytes);
  std::string text = "abcd";
  int caret = 4;
  EXPECT_TRUE(FieldInsert(&text, &caret, "e", 5));
  EXPECT_FALSE(FieldInsert(&text, &caret, "f", 5));
  text = "abcd";
  EXPECT_FALSE(FieldInsert(&text, &caret, Kim, 5));
  EXPECT_EQ(text, "abcd");
  EXPECT_TRUE(FieldInsert(&text, &caret, Kim, 6));
  EXPECT_EQ(caret, 6);
  // Typed text keeps its characters with a code, up to the first that does
  // not fit; cutting keeps whole characters.
  EXPECT_EQ(FieldTyped("a똠김김", 4), "a" + Kim);
  EXPECT_EQ(FieldFit("ab" + Kim, 3), "ab");
  EXPECT_EQ(FieldFit("ab", 0), "");
}

TEST(PlatformFields, CopyingOutStopsBeforeAHalfCharacter) {
  char buffer[4];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(FieldCopyOut("ab" + Kim, buffer, 4), 2);
  EXPECT_STREQ(buffer, "ab");
  EXPECT_EQ(FieldCopyOut("ab", buffer, 1), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(FieldCopyOut("ab", nullptr, 4), 0);
  EXPECT_EQ(FieldCopyOut("ab", buffer, 0), 0);
}

}  // namespace
