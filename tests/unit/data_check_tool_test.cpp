// kxs-tool data-check and save-dump, run as the build made them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/save_game.h"
#include "platform/headless/headless.h"
#include "tests/unit/world_test_support.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

const std::filesystem::path Tool = std::filesystem::path(KXS_GAME_TREE).parent_path() / "kxs-tool";

// The tool's standard output and exit code; a tool that waits for ever is
// stopped (exit code 124).
std::string RunTool(const std::string& arguments, int* exitCode) {
  std::string output;
  std::FILE* pipe = popen(("timeout 60 " + Tool.string() + " " + arguments + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  const int status = pclose(pipe);
  *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return output;
}

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(Tool)) GTEST_SKIP() << "kxs-tool is not built";
  }
};

TEST_F(ToolTest, TheDefaultWorldIsClean) {
  int code = -1;
  const std::string output = RunTool("data-check " KXS_GAME_TREE, &code);
  EXPECT_NE(output.find("world data: clean"), std::string::npos) << output;
  // Pictures, fonts or sounds still missing give 3, never a world problem.
  EXPECT_TRUE(code == 0 || code == 3) << output;
}

TEST_F(ToolTest, ProblemsAreNamedWithFileAndLine) {
  ScratchDirectory scratch;
  WriteBytes("data/corp.dat", Lines({"1", "2", "3", "4", "5", "6", "150", "-", "x", "5000", "0", "0", "0", "-",
                                     std::string(40, 'N'), "200000", "0", "3", "0"}));
  WriteBytes("data/bank.dat", Lines({"bank", "3", "a", "1", "b", "2", "c", "3"}));
  WriteBytes("face/man.dat", Lines({"300", "-", std::string(60, 'm'), "0", "-", "100", "1", "2", "3", "4", "5", "6"}));
  int code = -1;
  const std::string output = RunTool("data-check " + scratch.Path().string(), &code);
  EXPECT_EQ(code, 1) << output;
  for (const char* expected : {"data/corp.dat:7: 150 companies", "data/corp.dat:12: bidOdds 0",
                               "data/corp.dat:15: a company name of 40 bytes", "data/main.dat: missing",
                               "data/bank.dat:2: bank values missing", "face/man.dat:1: more than 255 persons",
                               "face/man.dat:3: a name of 60 bytes", "face/man.dat:13: the file ends",
                               "intro/intro.dat: missing; the game skips the intro", "data/mo001.kxg: missing"}) {
    EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n" << output;
  }
}

TEST_F(ToolTest, PipesAndFontsOfTheWrongSizeAreNamedWithoutWaiting) {
  ScratchDirectory scratch;
  std::filesystem::create_directory("sound");
  for (const char* path : {"data/corp.dat", "data/main.kxg", "sound/yes.wav", "intro/intro.dat"}) {
    ASSERT_EQ(mkfifo(path, 0600), 0) << path;
  }
  WriteBytes("data/han.fnt", std::string());
  WriteBytes("data/eng.fnt", std::string(5000, 'e'));
  WriteBytes("sound/win.wav", std::string());
  std::filesystem::resize_file("sound/win.wav", 5 << 20);
  int code = -1;
  std::string output = RunTool("data-check " + scratch.Path().string(), &code);
  EXPECT_EQ(code, 1) << output;
  for (const char* expected : {"data/main.kxg: missing", "sound/yes.wav: missing",
                               "data/han.fnt: 0 bytes, the game refuses a font that is not 11520",
                               "data/eng.fnt: 5000 bytes, the game refuses a font that is not 4096",
                               "sound/win.wav: 5242880 bytes, the game plays no sound over 4194304"}) {
    EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n" << output;
  }
  WriteBytes("data/han.fnt", std::string(100, 'h'));
  output = RunTool("data-check " + scratch.Path().string(), &code);
  EXPECT_NE(output.find("data/han.fnt: 100 bytes"), std::string::npos) << output;
}

TEST_F(ToolTest, SaveDumpShowsNamesAndTheJob) {
  ScratchDirectory scratch;
  HeadlessReset();
  ResetWorld();
  CompanyCount = 2;
  std::strcpy(Companies[1].name, JohabText("은하수정보통신"));
  Companies[1].money = 2200000;
  PersonCount = 1;
  JobReward = 5000;
  DDay = 12;
  SaveGame();
  int code = -1;
  std::string output = RunTool("save-dump cur/kxs.sav", &code);
  EXPECT_EQ(code, 0) << output;
  EXPECT_NE(output.find("\"name\": \"은하수정보통신\", \"money\": 2200000"), std::string::npos) << output;
  EXPECT_NE(output.find("\"job\": {\"jobReward\": 5000"), std::string::npos) << output;
  EXPECT_NE(output.find("\"dDay\": 12}"), std::string::npos) << output;
  WriteBytes("cur/kxs.sav", std::string("KXS"));
  output = RunTool("save-dump cur/kxs.sav", &code);
  EXPECT_EQ(code, 1);
  EXPECT_NE(output.find("refuses"), std::string::npos) << output;
}

}  // namespace
