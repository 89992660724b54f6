// Saving and loading through the game's own boxes, and the default world
// through a whole save and load.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <filesystem>
#include <string>

#include "app/app.h"
#include "app/save_game.h"
#include "platform/headless/headless.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/catalogue.h"
#include "tests/unit/world_test_support.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {

void OtherScreen() {}

class SaveGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessReset();
    ResetWorld();
    CurrentScreen = OtherScreen;
    AnimState = 0;
    CompanyCount = 2;
    std::strcpy(Companies[1].name, "Rival");
    Companies[1].money = 123456;
    PersonCount = 3;
    DayCount = 40;
    DDay = 12;
    JobReward = 5000;
  }
  // The last box as "caption | text".
  std::string LastBox() const {
    const auto& lines = HeadlessLogLines();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
      if (line->rfind("box ", 0) == 0) return line->substr(4, line->rfind(" | ") - 4);
    }
    return "";
  }
  ScratchDirectory scratch;
};

TEST_F(SaveGameTest, SavesAndLoadsIntoTheOffice) {
  SaveGame();
  EXPECT_EQ(LastBox(), "알림 | 저장했습니다");
  EXPECT_EQ(ReadBytes(SaveFilePath).size(), SavePlainBytes(2, 3) + SaveTrailerBytes);
  EXPECT_FALSE(std::filesystem::exists("cur/kxs.sav.tmp"));
  DayCount = 1;
  DDay = 0;
  Companies[1].money = 0;
  AnimState = 5;
  LoadGame();
  EXPECT_EQ(DayCount, 40);
  EXPECT_EQ(DDay, 12);
  EXPECT_EQ(Companies[1].money, 123456);
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  EXPECT_EQ(AnimState, 0);
}

TEST_F(SaveGameTest, AFailedSaveKeepsThePreviousFileAndSaysSo) {
  SaveGame();
  const std::vector<uint8_t> previous = ReadBytes(SaveFilePath);
  DayCount = 99;
  // Neither temporary file can be created: full folders stand in both places.
  std::filesystem::create_directories("cur/kxs.sav.tmp/inside");
  std::filesystem::create_directories("cur/kxs.sav.new/inside");
  SaveGame();
  EXPECT_EQ(LastBox(), "File Error | 화일을 저장할수 없습니다");
  EXPECT_EQ(ReadBytes(SaveFilePath), previous);
  std::filesystem::remove_all("cur/kxs.sav.tmp");
  std::filesystem::remove_all("cur/kxs.sav.new");
  // The finished file cannot replace what stands in its place.
  std::filesystem::rename(SaveFilePath, "cur/kept.sav");
  std::filesystem::create_directories("cur/kxs.sav/inside");
  SaveGame();
  EXPECT_EQ(LastBox(), "File Error | 화일을 저장할수 없습니다");
  EXPECT_FALSE(std::filesystem::exists("cur/kxs.sav.tmp"));
}

TEST_F(SaveGameTest, AWorldTooLargeForTheFileIsNotSaved) {
  PersonCount = 256;
  SaveGame();
  EXPECT_EQ(LastBox(), "File Error | 인물이 255명을 넘어 저장할수 없습니다");
  EXPECT_FALSE(std::filesystem::exists(SaveFilePath));
}

TEST_F(SaveGameTest, LoadRefusalsChangeNothing) {
  LoadGame();
  EXPECT_EQ(LastBox(), "File Error | 저장되어 있는 데이타가 없습니다");
  SaveGame();
  std::vector<uint8_t> bytes = ReadBytes(SaveFilePath);
  DayCount = 7;
  const std::vector<std::vector<uint8_t>> hostile = {
      {},
      std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3000),
      std::vector<uint8_t>(SaveMaxFileBytes + 10, 'K'),
  };
  EXPECT_TRUE(SaveFileWouldLoad(bytes.data(), bytes.size()));
  for (const auto& file : hostile) {
    EXPECT_FALSE(SaveFileWouldLoad(file.data(), file.size()));
    WriteBytes(SaveFilePath, file);
    LoadGame();
    EXPECT_EQ(LastBox(), "File Error | 저장되어 있는 데이타가 다릅니다");
    EXPECT_EQ(DayCount, 7);
    EXPECT_EQ(CurrentScreen, OtherScreen);
  }
  std::filesystem::remove(SaveFilePath);
  std::filesystem::create_directory(SaveFilePath);
  LoadGame();
  EXPECT_EQ(LastBox(), "File Error | 저장되어 있는 데이타가 없습니다");
#ifndef _WIN32  // a file that fails to read: Linux's /proc has one
  // A file that is there but fails to read is no missing save.
  std::filesystem::remove(SaveFilePath);
  std::filesystem::create_symlink("/proc/self/mem", SaveFilePath);
  LoadGame();
  EXPECT_EQ(LastBox(), "File Error | 저장된 화일을 읽을수 없습니다");
  EXPECT_EQ(DayCount, 7);
#endif
}

TEST_F(SaveGameTest, LeftoversAtTheTemporaryNameNeverBlockSaving) {
  std::filesystem::create_directory("cur/kxs.sav.tmp");
  SaveGame();
  EXPECT_EQ(LastBox(), "알림 | 저장했습니다");
#ifndef _WIN32  // Windows has no named pipes in its folders
  ASSERT_EQ(mkfifo("cur/kxs.sav.tmp", 0600), 0);
  SaveGame();
  EXPECT_EQ(LastBox(), "알림 | 저장했습니다");
#endif
  std::filesystem::create_directories("cur/kxs.sav.tmp/inside");
  DayCount = 41;
  SaveGame();
  EXPECT_EQ(LastBox(), "알림 | 저장했습니다");
  EXPECT_FALSE(std::filesystem::exists("cur/kxs.sav.new"));
  DayCount = 1;
  LoadGame();
  EXPECT_EQ(DayCount, 41);
}

TEST(DefaultWorld, LoadsSavesAndLoadsAgainToTheSameBytes) {
  const std::filesystem::path tree = KXS_GAME_TREE;
  ASSERT_TRUE(std::filesystem::exists(tree / "data/corp.dat")) << "build the data tree (game_data) first";
  HeadlessReset();
  ResetWorld();
  AnimState = 0;
  ScratchDirectory scratch;
  std::filesystem::current_path(tree);
  ASSERT_EQ(LoadGameData(), 1);
  std::filesystem::current_path(scratch.Path());
  EXPECT_GE(CompanyCount, 20);
  EXPECT_LE(CompanyCount, 99);
  EXPECT_GE(PersonCount, 100);
  EXPECT_LE(PersonCount, 255);
  // The shape the tuning relies on: clients for contracts, and a few rivals
  // poor enough to go bankrupt early.
  int clients = 0;
  int poor = 0;
  for (int i = 1; i < CompanyCount; ++i) {
    clients += Companies[i].money > 100000;
    poor += Companies[i].money < 500;
    EXPECT_GE(Companies[i].bidOdds, 1);
    EXPECT_EQ(Companies[i].name[std::strlen(Companies[i].name) - 1], '\n');
  }
  EXPECT_GE(clients, 10);
  EXPECT_GE(poor, 4);
  EXPECT_LT(BankParams.values[8], BankParams.values[7]);
  EXPECT_LT(BankParams.values[7], BankParams.values[3]);
  SaveGame();
  const std::vector<uint8_t> first = ReadBytes(SaveFilePath);
  ASSERT_EQ(first.size(), SavePlainBytes(CompanyCount, PersonCount) + SaveTrailerBytes);
  ResetWorld();
  LoadGame();
  EXPECT_EQ(CurrentScreen, OfficeScreen);
  std::filesystem::remove(SaveFilePath);
  SaveGame();
  EXPECT_EQ(ReadBytes(SaveFilePath), first);
}

// A game saved in one language loads in the other as it was: the world keeps
// the names it was started with, and saving it again gives the same bytes.
TEST(DefaultWorld, ASaveOfOneLanguageLoadsInTheOther) {
  const std::filesystem::path tree = KXS_GAME_TREE;
  ASSERT_TRUE(std::filesystem::exists(tree / "en/data/corp.dat")) << "build the data tree (game_data) first";
  for (const auto& [saved, loaded] : {std::pair{"en", "ko"}, std::pair{"ko", "en"}}) {
    HeadlessReset();
    ResetWorld();
    ScratchDirectory scratch;
    std::filesystem::current_path(tree);
    StartInLanguage(saved);
    ASSERT_EQ(LoadGameData(), 1) << saved;
    std::filesystem::current_path(scratch.Path());
    const std::string rival = Companies[1].name;
    // English names are ASCII; Korean ones are not.
    EXPECT_EQ(std::all_of(rival.begin(), rival.end(), [](char c) { return (c & 0x80) == 0; }),
              std::strcmp(saved, "en") == 0)
        << rival;
    SaveGame();
    const std::vector<uint8_t> first = ReadBytes(SaveFilePath);
    StartInLanguage(loaded);
    ResetWorld();
    LoadGame();
    EXPECT_EQ(CurrentScreen, OfficeScreen) << saved;
    EXPECT_EQ(Companies[1].name, rival);
    std::filesystem::remove(SaveFilePath);
    SaveGame();
    EXPECT_EQ(ReadBytes(SaveFilePath), first) << saved << " loaded in " << loaded;
  }
  StartInLanguage(KoreanLanguage);
}

}  // namespace
