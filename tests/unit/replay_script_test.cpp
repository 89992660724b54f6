// The replay-script language.
#include <gtest/gtest.h>

#include "tools/replay/script.h"

namespace {

TEST(ReplayScript, EveryCommand) {
  std::vector<ReplayCommand> c;
  std::string error;
  ASSERT_TRUE(ParseReplayScript("# a comment\n"
                                "move 10 20\n"
                                "click 639 479   # trailing comment\n"
                                "key ESC\nkey 65\n"
                                "frames 5\n"
                                "until OfficeScreen\nuntil BankScreen 40\n"
                                "answer yes\n"
                                "dialog \"김 사장\" \"\" \"a \\\"b\\\"\" ok\n"
                                "snapshot out/start.png\n",
                                &c, &error))
      << error;
  ASSERT_EQ(c.size(), 10u);
  EXPECT_EQ(c[0].kind, ReplayMove);
  EXPECT_EQ(c[0].a, 10);
  EXPECT_EQ(c[0].line, 2);
  EXPECT_EQ(c[1].b, 479);
  EXPECT_EQ(c[2].a, 27);
  EXPECT_EQ(c[3].a, 65);
  EXPECT_EQ(c[4].a, 5);
  EXPECT_EQ(c[5].a, 3000);
  EXPECT_EQ(c[6].a, 40);
  EXPECT_EQ(c[6].text, "BankScreen");
  EXPECT_EQ(c[7].a, 6);
  ASSERT_EQ(c[8].fields.size(), 3u);
  EXPECT_EQ(c[8].fields[0], "김 사장");
  EXPECT_EQ(c[8].fields[1], "");
  EXPECT_EQ(c[8].fields[2], "a \"b\"");
  EXPECT_EQ(c[8].a, 1);
  EXPECT_EQ(c[9].text, "out/start.png");
}

TEST(ReplayScript, MistakesNameTheirLine) {
  const char* bad[] = {"move 1\n",          "click a b\n",        "key F13\n",   "frames -1\n",
                       "until\n",           "answer maybe\n",     "dialog ok ok\n", "dialog \"x\n",
                       "snapshot\n",        "jump 1 2\n",         "frames 99999999999\n"};
  for (const char* script : bad) {
    std::vector<ReplayCommand> c;
    std::string error;
    EXPECT_FALSE(ParseReplayScript(std::string("frames 1\n") + script, &c, &error)) << script;
    EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
  }
}

TEST(ReplayScript, KeyWords) {
  EXPECT_EQ(ReplayKeyCode("ENTER"), 13);
  EXPECT_EQ(ReplayKeyCode("SPACE"), 32);
  EXPECT_EQ(ReplayKeyCode("F12"), 123);
  EXPECT_EQ(ReplayKeyCode("0"), -1);
  EXPECT_EQ(ReplayKeyCode("256"), -1);
}

}  // namespace
