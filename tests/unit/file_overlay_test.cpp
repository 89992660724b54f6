// A language's overlay of the data tree: its files stand in for the tree's
// own, the rest and the player's files stay where they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
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
}  // namespace
