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

TEST(ReplayScript, RepeatsUnrollNestedAndBounded) {
  std::vector<ReplayCommand> c;
  std::string error;
  ASSERT_TRUE(ParseReplayScript("frames 1\n"
                                "repeat 3   # three days\n"
                                "  key SPACE\n"
                                "  repeat 2\n"
                                "    frames 4\n"
                                "  end\n"
                                "end\n"
                                "repeat 1\nend\n"
                                "click 5 6\n",
                                &c, &error))
      << error;
  ASSERT_EQ(c.size(), 11u);
  for (int day = 0; day < 3; ++day) {
    EXPECT_EQ(c[1 + day * 3].kind, ReplayKey);
    EXPECT_EQ(c[1 + day * 3].line, 3);
    EXPECT_EQ(c[2 + day * 3].a, 4);
    EXPECT_EQ(c[3 + day * 3].line, 5);
  }
  EXPECT_EQ(c[10].kind, ReplayClick);

  const struct {
    const char* script;
    const char* error;
  } bad[] = {{"end\n", "line 1: end without repeat"},
             {"frames 1\nrepeat 2\nframes 1\n", "line 2: repeat without end"},
             {"repeat 0\nend\n", "line 1: repeat takes"},
             {"repeat 2\nend now\n", "line 2: end takes"},
             // Nested repeats that would unroll to 10^15 commands stop at the bound.
             {"repeat 100000\nrepeat 100000\nrepeat 100000\nframes 1\nend\nend\nend\n", "line 6: the repeats"}};
  for (const auto& b : bad) {
    c.clear();
    EXPECT_FALSE(ParseReplayScript(b.script, &c, &error)) << b.script;
    EXPECT_EQ(error.rfind(b.error, 0), 0u) << error;
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
