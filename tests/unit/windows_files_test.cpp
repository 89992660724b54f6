// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows game's files, run under Wine: where it plays and saves, and
// the file calls on paths with Korean letters (a player's name in
// %APPDATA%), where narrow C calls would fail. Built only for Windows.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "tests/unit/world_test_support.h"
#include "tools/port/places.h"

namespace {

namespace fs = std::filesystem;

std::string Utf8(const std::u8string& text) { return std::string(text.begin(), text.end()); }

// A data tree in a folder named in Korean, under the scratch folder.
std::string MakeTree(const ScratchDirectory& scratch) {
  const fs::path tree = scratch.Path() / fs::u8path(u8"회사 게임");
  fs::create_directories(tree / "data");
  std::ofstream(tree / "data" / "han.fnt") << "font";
  return Utf8(tree.u8string());
}

TEST(WindowsPlaces, PortableBesideTheProgramInstalledInAppData) {
  ScratchDirectory scratch;
  const std::string tree = MakeTree(scratch);
  ASSERT_TRUE(IsDataTree(tree));
  PortEnvironment env;
  env.programDir = tree;
  env.workingDir = Utf8(scratch.Path().u8string());
  env.appData = Utf8(u8"C:\\Users\\김철수\\AppData\\Roaming");
  PortPlaces places;
  std::string error;

  env.programDirWritable = true;
  ASSERT_TRUE(FindPlaces(PortOptions{}, env, &places, &error)) << error;
  EXPECT_EQ(places.dataRoot, tree);
  EXPECT_EQ(places.playerRoot, "");  // the tree's own cur\kxs.sav
  EXPECT_EQ(places.iniPath, tree + "\\kxs.ini");

  // Read-only, or installed (its uninstaller would delete a save kept
  // there, and an administrator can write to Program Files).
  for (const bool writable : {false, true}) {
    env.programDirWritable = writable;
    env.programDirInstalled = writable;
    ASSERT_TRUE(FindPlaces(PortOptions{}, env, &places, &error)) << error;
    EXPECT_EQ(places.dataRoot, tree);
    EXPECT_EQ(places.playerRoot, env.appData + "\\KXS");
    EXPECT_EQ(places.iniPath, env.appData + "\\KXS\\kxs.ini");
  }
  env.programDirInstalled = false;

  // No tree anywhere: the message names where it looked.
  env.programDir = env.workingDir;
  EXPECT_FALSE(FindPlaces(PortOptions{}, env, &places, &error));
  EXPECT_NE(error.find(env.programDir), std::string::npos);
  PortOptions named;
  named.dataDir = env.workingDir;
  EXPECT_FALSE(FindPlaces(named, env, &places, &error));
  named.dataDir = tree;
  ASSERT_TRUE(FindPlaces(named, env, &places, &error)) << error;
  EXPECT_EQ(places.playerRoot, env.appData + "\\KXS");
}

TEST(WindowsFiles, KoreanPathsOpenReplaceAndMakeFolders) {
  ScratchDirectory scratch;
  const std::string tree = MakeTree(scratch);
  const std::string save = tree + "/cur/kxs.sav", temporary = tree + "/cur/kxs.tmp";
  ASSERT_TRUE(MakeFolders(tree + "\\cur"));
  for (const char* bytes : {"first", "second"}) {
    std::FILE* file = PlatformOpenFile(temporary.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs(bytes, file);
    EXPECT_TRUE(PlatformSyncFile(file));
    std::fclose(file);
    // The second move replaces the first save, which rename would refuse.
    ASSERT_TRUE(PlatformReplaceFile(temporary.c_str(), save.c_str())) << bytes;
  }
  std::FILE* file = PlatformOpenFile(save.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  char read[16] = {};
  EXPECT_EQ(std::fread(read, 1, sizeof read - 1, file), 6u);
  std::fclose(file);
  EXPECT_STREQ(read, "second");
  EXPECT_FALSE(PlatformReplaceFile(temporary.c_str(), save.c_str()));  // nothing left to move
  // A folder or a device under a game file's name is no file.
  EXPECT_EQ(PlatformOpenFile((tree + "/cur").c_str(), "rb"), nullptr);
  EXPECT_EQ(PlatformOpenFile("NUL", "rb"), nullptr);
}

}  // namespace
#endif
