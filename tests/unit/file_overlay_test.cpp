// A language's overlay of the data tree: its files stand in for the tree's
// own, the rest and the player's files stay where they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "text/catalogue.h"
#include "tests/unit/world_test_support.h"

namespace {

namespace fs = std::filesystem;

class DataOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree = scratch.Path() / "tree";
    for (const char* name : {"data/main.kxg", "data/han.fnt", "en/data/main.kxg", "en/cur/kxs.sav"}) {
      fs::create_directories((tree / name).parent_path());
      std::ofstream(tree / name) << name;
    }
    fs::create_directories(tree / "en/data/folder.kxg");  // a folder is no file to open
  }
  void TearDown() override {
    PlatformSetDataOverlay(nullptr);
    PlatformSetFileRoots(nullptr, nullptr);
    HeadlessSetUserLocale("");
    SetLanguage(KoreanLanguage);
  }
  ScratchDirectory scratch;
  fs::path tree;
};

TEST_F(DataOverlayTest, TheOverlaysFilesStandInForTheTreesOwn) {
  PlatformSetFileRoots(tree.string().c_str(), nullptr);
  PlatformSetDataOverlay("en");
  EXPECT_EQ(PlatformFilePath("data/main.kxg"), tree.string() + "/en/data/main.kxg");
  EXPECT_EQ(PlatformFilePath("data/han.fnt"), tree.string() + "/data/han.fnt");
  EXPECT_EQ(PlatformFilePath("data/folder.kxg"), tree.string() + "/data/folder.kxg");
  // The save is the player's, in any language.
  EXPECT_EQ(PlatformFilePath("cur/kxs.sav"), tree.string() + "/cur/kxs.sav");
  EXPECT_EQ(PlatformFilePath("/given/data/main.kxg"), "/given/data/main.kxg");
  PlatformSetDataOverlay("");
  EXPECT_EQ(PlatformFilePath("data/main.kxg"), tree.string() + "/data/main.kxg");
}

// The start-up choice: the player's known choice first, then the locale's
// language, then Korean; the texts and the data files follow it together.
TEST_F(DataOverlayTest, TheStartLanguageSetsTextsAndDataFilesAlike) {
  PlatformSetFileRoots(tree.string().c_str(), nullptr);
  const std::string english = tree.string() + "/en/data/main.kxg", korean = tree.string() + "/data/main.kxg";
  struct Case {
    const char* choice;
    const char* locale;
    const char* language;
  };
  for (const Case& c : {Case{"en", "", "en"}, Case{nullptr, "en_GB.UTF-8", "en"}, Case{"", "en-US", "en"},
                        Case{"ko", "en_US.UTF-8", "ko"}, Case{"xx", "en_US", "en"}, Case{"en_US", "C", "ko"},
                        Case{nullptr, "", "ko"}, Case{nullptr, "ko_KR.UTF-8", "ko"}, Case{nullptr, "fr_FR", "ko"}}) {
    HeadlessSetUserLocale(c.locale);
    EXPECT_STREQ(StartInLanguage(c.choice), c.language) << (c.choice ? c.choice : "(none)") << " " << c.locale;
    EXPECT_STREQ(CurrentLanguage(), c.language);
    EXPECT_EQ(PlatformFilePath("data/main.kxg"), std::string(c.language) == "en" ? english : korean);
  }
  EXPECT_TRUE(IsKnownLanguage("ko"));
  EXPECT_TRUE(IsKnownLanguage("en"));
  EXPECT_FALSE(IsKnownLanguage("EN"));
  EXPECT_FALSE(IsKnownLanguage(""));
  EXPECT_FALSE(IsKnownLanguage(nullptr));
}
}  // namespace
