// The desktop game's own rules: its options, where it finds the data tree
// and keeps the save, kxs.ini, and the one mapping of game file names.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/save_game.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "tests/unit/world_test_support.h"
#include "tools/port/ini_file.h"
#include "tools/port/options.h"
#include "tools/port/places.h"
#include "tools/port/settings.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFileText(const fs::path& path) {
  const std::vector<uint8_t> bytes = ReadBytes(path.string());
  return std::string(bytes.begin(), bytes.end());
}

PortParse Parse(std::vector<const char*> args, PortOptions* options, std::string* message) {
  args.insert(args.begin(), "kxs");
  return ParsePortOptions(int(args.size()), args.data(), options, message);
}

TEST(PortOptions, EveryOptionAndEveryRefusal) {
  PortOptions o;
  std::string message;
  EXPECT_EQ(Parse({}, &o, &message), ParseRun);
  EXPECT_EQ(o.display, DisplayUnset);
  EXPECT_TRUE(o.dataDir.empty());
  EXPECT_EQ(Parse({"--help"}, &o, &message), ParseDone);
  EXPECT_NE(message.find("--data DIR"), std::string::npos);
  EXPECT_EQ(Parse({"--window", "--version"}, &o, &message), ParseDone);
  EXPECT_EQ(message.rfind("kxs ", 0), 0u);

  EXPECT_EQ(Parse({"--data", "/games/kxs", "--window"}, &o, &message), ParseRun);
  EXPECT_EQ(o.dataDir, "/games/kxs");
  EXPECT_EQ(o.display, DisplayWindow);
  EXPECT_EQ(Parse({"--data=tree", "--fullscreen", "--fullscreen"}, &o, &message), ParseRun);
  EXPECT_EQ(o.dataDir, "tree");
  EXPECT_EQ(o.display, DisplayFullscreen);
  // A window size asks for a window, unless full screen is asked for too.
  EXPECT_EQ(Parse({"--scale", "3"}, &o, &message), ParseRun);
  EXPECT_EQ(o.windowScale, 3);
  EXPECT_EQ(o.display, DisplayWindow);
  EXPECT_EQ(Parse({"--scale=2", "--fullscreen"}, &o, &message), ParseRun);
  EXPECT_EQ(o.windowScale, 2);
  EXPECT_EQ(o.display, DisplayFullscreen);

  // The language is checked against the catalogues by the program.
  EXPECT_EQ(Parse({"--lang", "en"}, &o, &message), ParseRun);
  EXPECT_EQ(o.language, "en");
  EXPECT_EQ(Parse({"--lang=ko", "--window"}, &o, &message), ParseRun);
  EXPECT_EQ(o.language, "ko");
  EXPECT_EQ(Parse({}, &o, &message), ParseRun);
  EXPECT_EQ(o.language, "");

  const std::vector<std::vector<const char*>> refused = {
      {"--lang"},         {"--lang="},           {"--language", "en"},
      {"--bogus"},        {"game.sav"},          {"-w"},           {"--data"},     {"--data="},
      {"--scale"},        {"--scale", "0"},      {"--scale", "9"}, {"--scale=x"},  {"--scale", "2x"},
      {"--scale", ""},    {"--window", "--fullscreen"},            {"--windowed"},
  };
  for (const auto& args : refused) {
    EXPECT_EQ(Parse(args, &o, &message), ParseUsageError) << args[0];
    EXPECT_EQ(message.rfind("kxs: ", 0), 0u) << message;
  }
}

// Folders of a pretend machine: an installed prefix, a home, a working folder.
class PortPlacesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::weakly_canonical(scratch.Path());
    fs::create_directories(root / "prefix/bin");
    MakeTree(root / "prefix/share/kxs");
    fs::create_directories(root / "home");
    fs::create_directories(root / "elsewhere");
    env.workingDir = (root / "elsewhere").string();
    env.programDir = (root / "prefix/bin").string();
    env.home = (root / "home").string();
  }
  static void MakeTree(const fs::path& dir) {
    fs::create_directories(dir / "data");
    WriteBytes((dir / "data/han.fnt").string(), "font");
  }
  bool Find(const PortOptions& options = PortOptions{}) { return FindPlaces(options, env, &places, &error); }
  ScratchDirectory scratch;
  fs::path root;
  PortEnvironment env;
  PortPlaces places;
  std::string error;
};

TEST_F(PortPlacesTest, InstalledTreeBesideTheProgramAndTheSaveInTheXdgDataFolder) {
  ASSERT_TRUE(Find()) << error;
  EXPECT_EQ(places.dataRoot, (root / "prefix/share/kxs").string());
  EXPECT_EQ(places.playerRoot, (root / "home/.local/share/kxs").string());
  EXPECT_EQ(places.iniPath, (root / "home/.config/kxs/kxs.ini").string());
  env.xdgDataHome = (root / "data-home").string();
  env.xdgConfigHome = (root / "config-home").string();
  ASSERT_TRUE(Find());
  EXPECT_EQ(places.playerRoot, (root / "data-home/kxs").string());
  EXPECT_EQ(places.iniPath, (root / "config-home/kxs/kxs.ini").string());
  // Relative XDG folders are to be ignored.
  env.xdgDataHome = "relative/data";
  env.xdgConfigHome = "relative/config";
  ASSERT_TRUE(Find());
  EXPECT_EQ(places.playerRoot, (root / "home/.local/share/kxs").string());
  EXPECT_EQ(places.iniPath, (root / "home/.config/kxs/kxs.ini").string());
}

TEST_F(PortPlacesTest, AWorkingFolderThatIsATreeIsUsedAsItAlwaysWas) {
  MakeTree(root / "elsewhere");
  ASSERT_TRUE(Find()) << error;
  EXPECT_EQ(places.dataRoot, "");
  EXPECT_EQ(places.playerRoot, "");
  // --data naming that same folder, however spelt, changes nothing.
  PortOptions options;
  options.dataDir = (root / "elsewhere/../elsewhere").string();
  ASSERT_TRUE(Find(options)) << error;
  EXPECT_EQ(places.dataRoot, "");
  EXPECT_EQ(places.playerRoot, "");
}

TEST_F(PortPlacesTest, DataOptionReadsThereAndSavesInTheXdgFolder) {
  MakeTree(root / "mine");
  PortOptions options;
  options.dataDir = (root / "mine").string();
  ASSERT_TRUE(Find(options)) << error;
  EXPECT_EQ(places.dataRoot, (root / "mine").string());
  EXPECT_EQ(places.playerRoot, (root / "home/.local/share/kxs").string());
  options.dataDir = (root / "home").string();
  EXPECT_FALSE(Find(options));
  EXPECT_NE(error.find((root / "home").string()), std::string::npos) << error;
}

TEST_F(PortPlacesTest, WithoutATreeTheErrorNamesThePlacesLookedIn) {
  fs::remove_all(root / "prefix/share");
  ASSERT_FALSE(Find());
  EXPECT_NE(error.find(env.workingDir), std::string::npos) << error;
  EXPECT_NE(error.find(env.programDir + "/../share/kxs"), std::string::npos) << error;
  // No home at all: nowhere to save, said rather than saved beside the program.
  MakeTree(root / "prefix/share/kxs");
  env.home.clear();
  ASSERT_FALSE(Find());
  EXPECT_NE(error.find("HOME"), std::string::npos) << error;
}

TEST_F(PortPlacesTest, MakeFoldersMakesPrivateFoldersOnlyWhereAFolderCanBe) {
  const fs::path deep = root / "home/.local/share/kxs";
  ASSERT_TRUE(MakeFolders(deep.string()));
  struct stat info;
  ASSERT_EQ(stat(deep.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_TRUE(MakeFolders(deep.string()));
  WriteBytes((root / "file").string(), "x");
  EXPECT_FALSE(MakeFolders((root / "file").string()));
  EXPECT_FALSE(MakeFolders((root / "file/below").string()));
}

// The warnings ReadPortSettings writes, and its result.
PortSettings Settings(const fs::path& path, IniFile* ini, std::string* warnings) {
  std::FILE* sink = std::tmpfile();
  const PortSettings settings = ReadPortSettings(path.string(), ini, sink);
  std::rewind(sink);
  warnings->clear();
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, sink)) *warnings += buffer;
  std::fclose(sink);
  return settings;
}

TEST(PortIni, SettingsAreReadAndWrittenWithTheLinesOfOthersKept) {
  ScratchDirectory scratch;
  const fs::path path = scratch.Path() / "config/kxs/kxs.ini";
  IniFile ini;
  std::string warnings;
  PortSettings s = Settings(path, &ini, &warnings);
  EXPECT_TRUE(s.fullscreen);
  EXPECT_FALSE(s.fitScale);
  EXPECT_EQ(warnings, "");

  fs::create_directories(path.parent_path());
  WriteBytes(path.string(), "# mine\r\ndisplay=fullscreen\nvolume=7\n\nscale=fit\ndisplay=window\n");
  s = Settings(path, &ini, &warnings);
  EXPECT_FALSE(s.fullscreen);  // the last line of a key wins
  EXPECT_TRUE(s.fitScale);
  EXPECT_EQ(s.language, "");
  EXPECT_EQ(warnings, "");
  SetIniValue(&ini, SettingDisplay, "fullscreen");
  ASSERT_TRUE(WriteIni(path.c_str(), ini));
  EXPECT_EQ(ReadFileText(path), "# mine\ndisplay=fullscreen\nvolume=7\n\nscale=fit\n");
  EXPECT_FALSE(fs::exists(path.string() + ".tmp"));
  SetIniValue(&ini, "new", "1");
  ASSERT_TRUE(WriteIni(path.c_str(), ini));
  EXPECT_EQ(IniValue(ini, "new"), "1");
  EXPECT_EQ(ReadFileText(path), "# mine\ndisplay=fullscreen\nvolume=7\n\nscale=fit\nnew=1\n");

  WriteBytes(path.string(), "language=en\n");
  EXPECT_EQ(Settings(path, &ini, &warnings).language, "en");

  // A value the game does not know is named and passed over.
  WriteBytes(path.string(), "display=big\nscale=fit\n");
  s = Settings(path, &ini, &warnings);
  EXPECT_TRUE(s.fullscreen);
  EXPECT_TRUE(s.fitScale);
  EXPECT_NE(warnings.find("display=big"), std::string::npos) << warnings;
}

TEST(PortIni, AGarbledFileIsIgnoredWithAWarning) {
  ScratchDirectory scratch;
  const fs::path path = scratch.Path() / "kxs.ini";
  const std::vector<std::string> garbled = {
      "display=window\nthis is no setting\n",
      std::string("display=window\nscale=fi\0t\n", 26),
      "=window\n",
      "disp lay=window\n",
      "display=window\n\x1b[31m\n",
      std::string(20000, 'a') + "=1\n",
  };
  for (const std::string& text : garbled) {
    WriteBytes(path.string(), text);
    IniFile ini;
    ini.lines = {"stale=1"};
    std::string warnings;
    const PortSettings s = Settings(path, &ini, &warnings);
    EXPECT_TRUE(s.fullscreen) << text.substr(0, 40);
    EXPECT_TRUE(ini.lines.empty());
    EXPECT_NE(warnings.find("ignored"), std::string::npos) << text.substr(0, 40);
  }
  // A folder where the file should be reads as no file at all.
  fs::remove(path);
  fs::create_directory(path);
  IniFile ini;
  EXPECT_NE(ReadIni(path.c_str(), &ini), IniReadOk);
}

TEST(PortIni, AConfigThatCannotBeWrittenKeepsTheOldFile) {
  ScratchDirectory scratch;
  // A file where the folder should be stops even root.
  WriteBytes((scratch.Path() / "config").string(), "not a folder");
  IniFile ini;
  SetIniValue(&ini, SettingDisplay, "window");
  EXPECT_FALSE(WriteIni((scratch.Path() / "config/kxs/kxs.ini").c_str(), ini));
  // A read-only file is read, and replacing it fails where the folder is
  // read-only too (unless the tests run as root), the old file kept.
  const fs::path folder = scratch.Path() / "ro";
  const fs::path path = folder / "kxs.ini";
  fs::create_directory(folder);
  WriteBytes(path.string(), "display=window\n");
  fs::permissions(path, fs::perms::owner_read);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  std::string warnings;
  EXPECT_FALSE(Settings(path, &ini, &warnings).fullscreen);
  SetIniValue(&ini, SettingDisplay, "fullscreen");
  const bool written = WriteIni(path.c_str(), ini);
  if (geteuid() != 0) {
    EXPECT_FALSE(written);
  }
  if (!written) {
    EXPECT_EQ(ReadFileText(path), "display=window\n");
  }
  EXPECT_FALSE(fs::exists(path.string() + ".tmp"));
  fs::permissions(folder, fs::perms::owner_all);
}

// Every game file name goes through one mapping; the save lands in the
// player's folder and loads from there.
class FileRootsTest : public ::testing::Test {
 protected:
  void TearDown() override { PlatformSetFileRoots(nullptr, nullptr); }
  ScratchDirectory scratch;
};

TEST_F(FileRootsTest, NamesMapToTheDataTreeAndThePlayersFolder) {
  EXPECT_EQ(PlatformFilePath("data/han.fnt"), "data/han.fnt");
  EXPECT_EQ(PlatformFilePath("cur/kxs.sav"), "cur/kxs.sav");
  PlatformSetFileRoots("/usr/share/kxs", "/home/p/.local/share/kxs/");
  EXPECT_EQ(PlatformFilePath("data/han.fnt"), "/usr/share/kxs/data/han.fnt");
  EXPECT_EQ(PlatformFilePath("cur/arrow.kxg"), "/usr/share/kxs/cur/arrow.kxg");
  EXPECT_EQ(PlatformFilePath("sound/yes.wav"), "/usr/share/kxs/sound/yes.wav");
  EXPECT_EQ(PlatformFilePath("cur/kxs.sav"), "/home/p/.local/share/kxs/kxs.sav");
  EXPECT_EQ(PlatformFilePath("cur/kxs.sav.tmp"), "/home/p/.local/share/kxs/kxs.sav.tmp");
  EXPECT_EQ(PlatformFilePath("/tmp/given.kxg"), "/tmp/given.kxg");
  PlatformSetFileRoots("tree", "");
  EXPECT_EQ(PlatformFilePath("cur/kxs.sav"), "tree/cur/kxs.sav");
}

TEST_F(FileRootsTest, TheGameSavesAndLoadsInThePlayersFolder) {
  HeadlessReset();
  ResetWorld();
  CompanyCount = 1;
  PersonCount = 1;
  DayCount = 33;
  const fs::path player = scratch.Path() / "player";
  fs::create_directory(player);
  PlatformSetFileRoots((scratch.Path() / "tree").c_str(), player.c_str());
  SaveGame();
  EXPECT_TRUE(fs::exists(player / "kxs.sav"));
  EXPECT_FALSE(fs::exists(player / "kxs.sav.tmp"));
  EXPECT_FALSE(fs::exists("cur/kxs.sav"));
  DayCount = 1;
  LoadGame();
  EXPECT_EQ(DayCount, 33);
}

}  // namespace
