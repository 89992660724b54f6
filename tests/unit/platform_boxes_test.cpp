// The message-box rules every backend applies: buttons, answers, keys, the
// caps of the texts and their lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "platform/box_rules.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/unit/world_test_support.h"

namespace {

TEST(PlatformBoxes, StylesButtonsAndKeys) {
  const BoxStyle ok = DecodeBoxStyle(BoxOk | BoxIconStop), yesNo = DecodeBoxStyle(BoxYesNo);
  EXPECT_TRUE(ok.stopIcon);
  EXPECT_FALSE(ok.yesNo);
  EXPECT_TRUE(yesNo.yesNo);
  EXPECT_FALSE(yesNo.stopIcon);
  EXPECT_EQ(BoxButtonCount(ok), 1);
  EXPECT_STREQ(BoxButtonLabel(ok, 0), "확인");
  EXPECT_STREQ(BoxButtonLabel(yesNo, 1), "아니오(N)");
  // A lookup shows each label in the game's language; none, the Korean again.
  SetBoxLabelLookup([](const char* korean) { return std::string(korean) == "예(Y)" ? "Yes" : "?"; });
  EXPECT_STREQ(BoxButtonLabel(yesNo, 0), "Yes");
  EXPECT_STREQ(BoxButtonLabel(ok, 0), "?");
  SetBoxLabelLookup(nullptr);
  EXPECT_STREQ(BoxButtonLabel(yesNo, 0), "예(Y)");
  EXPECT_EQ(BoxButtonAnswer(yesNo, 0), AnswerYes);
  EXPECT_EQ(BoxDismissAnswer(yesNo), AnswerNo);
  EXPECT_EQ(BoxDismissAnswer(ok), AnswerOk);
  EXPECT_EQ(BoxKeyPress(yesNo, BoxKeyEnter, 1).answer, AnswerNo);  // the focused button
  EXPECT_EQ(BoxKeyPress(yesNo, BoxKeySpace, 0).answer, AnswerYes);
  EXPECT_EQ(BoxKeyPress(yesNo, BoxKeyEscape, 0).answer, AnswerNo);
  EXPECT_EQ(BoxKeyPress(yesNo, BoxKeyYes, 1).answer, AnswerYes);
  EXPECT_EQ(BoxKeyPress(ok, BoxKeyNo, 0).answer, 0);  // Y and N answer only Yes/No boxes
  const BoxKeyAction next = BoxKeyPress(yesNo, BoxKeyNext, 1);
  EXPECT_EQ(next.answer, 0);
  EXPECT_EQ(next.focus, 0);
  EXPECT_EQ(BoxKeyPress(ok, BoxKeyNext, 0).focus, 0);
}

// One pixel a byte, for wrapping.
int Bytes(const char* utf8, void*) { return int(std::string(utf8).size()); }

TEST(PlatformBoxes, LinesAndCaps) {
  EXPECT_EQ(BoxLinesUtf8("one two three\r\n\nfour\tfive", 9, Bytes, nullptr),
            (std::vector<std::string>{"one two ", "three", "", "four five"}));
  EXPECT_EQ(BoxLinesUtf8("abcdefghij", 4, Bytes, nullptr), (std::vector<std::string>{"abcd", "efgh", "ij"}));
  EXPECT_EQ(BoxLinesUtf8(nullptr, 9, Bytes, nullptr), (std::vector<std::string>{""}));
  EXPECT_EQ(BoxLinesUtf8(std::string(100, '\n').c_str(), 9, Bytes, nullptr).size(), size_t(MaxBoxLines));
  EXPECT_EQ(BoxLinesUtf8(std::string(9000, 'a').c_str(), 100000, Bytes, nullptr)[0].size(), size_t(MaxBoxTextBytes));
  EXPECT_EQ(BoxCaptionUtf8(std::string(300, 'c').c_str()).size(), size_t(MaxBoxCaptionBytes));
  EXPECT_EQ(BoxCaptionUtf8(nullptr), "");
}

// The headless backend answers from its queue, and a box nobody answers with
// the answer that changes nothing.
TEST(PlatformBoxes, HeadlessAnswers) {
  HeadlessReset();
  EXPECT_EQ(PlatformMessageBox("a\nb", "c", BoxOk), AnswerOk);
  HeadlessQueueBoxAnswer(AnswerYes);
  EXPECT_EQ(PlatformMessageBox("q", "c", BoxYesNo), AnswerYes);
  EXPECT_FALSE(HeadlessFailed());
  HeadlessQueueBoxAnswer(AnswerYes);
  EXPECT_EQ(PlatformMessageBox("q", "c", BoxOk), AnswerOk);
  EXPECT_TRUE(HeadlessFailed());
  EXPECT_EQ(HeadlessLogLines()[0], "box c | a\\nb | ok");
}

// A second game is refused with a box, before it opens anything.
TEST(PlatformBoxes, ASecondInstanceIsRefused) {
  HeadlessReset();
  HeadlessSetOtherInstanceRunning(true);
  int exitCode = -1;
  EXPECT_FALSE(StartGame(&exitCode));
  EXPECT_EQ(exitCode, 0);
  EXPECT_FALSE(PlatformDisplayIsOpen());
  ASSERT_EQ(HeadlessLogLines().size(), 1u);
  EXPECT_EQ(HeadlessLogLines()[0], "box Notice | 이미 실행중입니다 | ok");
  HeadlessReset();
  EXPECT_TRUE(PlatformClaimSingleInstance());
}

// The game cannot start without its fonts and tells the player so.
TEST(PlatformBoxes, FontsTheGameRefusesAreToldInABox) {
  ScratchDirectory scratch;
  HeadlessReset();
  WriteBytes("data/han.fnt", std::string(100, 'h'));
  WriteBytes("data/eng.fnt", std::string(4096, 'e'));
  Shutdown();  // the game starts with no display of an earlier test's
  int exitCode = -1;
  EXPECT_FALSE(StartGame(&exitCode));
  EXPECT_EQ(exitCode, 1);
  ASSERT_FALSE(HeadlessLogLines().empty());
  EXPECT_EQ(HeadlessLogLines().back(),
            "box File Error | 글꼴 화일이 없거나 잘못되었습니다\\ndata/han.fnt: shorter than a font of 11520 bytes | ok");
  Shutdown();
}

}  // namespace
