// SPDX-License-Identifier: GPL-2.0-or-later
// Building a new game's world from the data files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/unit/world_test_support.h"
#include "text/hangul.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

struct CorpEntry {
  std::string name;
  std::string money, reserveA, bidOdds, reserveB;
};

std::string CorpFile(const std::string& count, const std::vector<CorpEntry>& entries) {
  std::vector<std::string> lines = {"h1", "h2", "h3", "h4", "h5", "h6", count};
  for (const CorpEntry& entry : entries) {
    for (const std::string& line :
         {std::string("--"), entry.name, entry.money, entry.reserveA, entry.bidOdds, entry.reserveB}) {
      lines.push_back(line);
    }
  }
  return Lines(lines);
}

struct ManEntry {
  std::string name;
  int category, salary;
  int aptitude[5];
  int morale;
};

std::string ManFile(const std::string& count, const std::vector<ManEntry>& entries) {
  std::vector<std::string> lines = {count};
  for (const ManEntry& entry : entries) {
    lines.push_back("--");
    lines.push_back(entry.name);
    lines.push_back(std::to_string(entry.category));
    lines.push_back("salary");
    lines.push_back(std::to_string(entry.salary));
    for (int value : entry.aptitude) lines.push_back(std::to_string(value));
    lines.push_back(std::to_string(entry.morale));
  }
  return Lines(lines);
}

std::string BankFile(int count, int first) {
  std::vector<std::string> lines = {"bank", std::to_string(count)};
  for (int i = 0; i < count; ++i) {
    lines.push_back("value " + std::to_string(i));
    lines.push_back(std::to_string(first + i));
  }
  return Lines(lines);
}

const std::vector<CorpEntry> ThreeCompanies = {
    {"ignored player line", "5000", "11", "5", "12"},
    {"ABC", "150000", "1990", "3", "7"},
    {"0123456789012345678901234567890123456789", "-20", "0", "2", "300"},
};

const ManEntry Kim = {"Kim", 0, 120, {1001, 1002, 1003, 1004, 1005}, 1010};

class DataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWorld();
    NoticeCode = NoticeNone;
  }
  void WriteWorld(const std::string& corp, const std::string& man) {
    WriteBytes("data/corp.dat", corp);
    WriteBytes("data/main.dat", Lines({"dinner", "per head", "30"}));
    WriteBytes("data/bank.dat", BankFile(9, 100));
    WriteBytes("face/man.dat", man);
  }
  ScratchDirectory scratch;
};

TEST_F(DataFiles, CompaniesAsTheFileGivesThem) {
  std::strcpy(Companies[0].name, "Typed Co");
  std::strcpy(Companies[0].presidentName, "Typed Boss");
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("1", {Kim}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(CompanyCount, 3);
  EXPECT_EQ(DayCount, 1);
  // The player keeps the typed names but takes the file's numbers.
  EXPECT_STREQ(Companies[0].name, "Typed Co");
  EXPECT_STREQ(Companies[0].presidentName, "Typed Boss");
  EXPECT_EQ(Companies[0].kind, KindPlayer);
  EXPECT_EQ(Companies[0].money, 5000);
  EXPECT_EQ(Companies[0].reserveA, 11);
  EXPECT_EQ(Companies[0].bidOdds, 5);
  EXPECT_EQ(Companies[0].reserveB, 12);
  // A short name keeps its line end; a long one is cut to 30 bytes.
  EXPECT_STREQ(Companies[1].name, "ABC\n");
  EXPECT_STREQ(Companies[2].name, "012345678901234567890123456789");
  EXPECT_EQ(Companies[1].kind, KindRival);
  EXPECT_EQ(Companies[1].money, 150000);
  EXPECT_EQ(Companies[2].money, -20);
  EXPECT_EQ(Companies[2].reserveB, 300 % 256);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Companies[i].staffCount, 0);
  EXPECT_EQ(DinnerParams.values[0], 30);
  EXPECT_EQ(DinnerParams.id, 0);
  EXPECT_EQ(BankParams.id, 1);
  EXPECT_EQ(BankParams.values[8], 108);
}

TEST_F(DataFiles, CompanyCounts) {
  WriteWorld(CorpFile("150", ThreeCompanies), ManFile("1", {Kim}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(CompanyCount, 99);
  // Beyond the file's entries its last line is read again and again.
  EXPECT_EQ(Companies[98].kind, KindRival);
  EXPECT_EQ(Companies[99].kind, 0);

  for (const char* count : {"0", "-4"}) {
    ResetWorld();
    WriteWorld(CorpFile(count, ThreeCompanies), ManFile("1", {Kim}));
    ASSERT_EQ(LoadGameData(), 1);
    EXPECT_EQ(CompanyCount, std::atoi(count));
    EXPECT_EQ(Companies[0].kind, 0);
    EXPECT_EQ(Companies[1].money, 0);
  }
}

TEST_F(DataFiles, CashIsSixtyFourBitsAndBidOddsIsAtLeastOne) {
  WriteWorld(CorpFile("4", {{"p", "0", "0", "0", "0"},
                            {"rich", "5000000000", "0", "-3", "0"},
                            {"wrap", "1", "0", "256", "0"},
                            {"ok", "1", "0", "9", "0"}}),
             ManFile("1", {Kim}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(Companies[1].money, 5000000000LL);
  EXPECT_EQ(Companies[0].bidOdds, 1);
  EXPECT_EQ(Companies[1].bidOdds, 1);
  EXPECT_EQ(Companies[2].bidOdds, 1);  // 256 is 0 in the byte
  EXPECT_EQ(Companies[3].bidOdds, 9);
}

TEST_F(DataFiles, LoadingSetsOnlyTheFieldsOfTheFile) {
  Companies[0].loanAmount = 777;
  Companies[0].workTicks = 3;
  Companies[5].money = 42;
  JobReward = 900;
  DDay = 4;
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("1", {Kim}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(Companies[0].loanAmount, 777);
  EXPECT_EQ(Companies[0].workTicks, 3);
  EXPECT_EQ(Companies[5].money, 42);
  EXPECT_EQ(JobReward, 900);
  EXPECT_EQ(DDay, 4);
}

TEST_F(DataFiles, PersonsAreClearedAndFreeWhateverTheFileHolds) {
  Persons[0].stress = 55;
  Persons[0].employer = 3;
  Persons[0].employed = 1;
  std::memset(Persons[1].name, 'z', sizeof Persons[1].name);
  const std::string longName(70, 'n');
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("2", {Kim, {longName, 2, -5, {1, 2, 3, 4, 70000}, -1}}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(PersonCount, 2);
  const Person& kim = Persons[0];
  EXPECT_STREQ(kim.name, "Kim");
  EXPECT_EQ(kim.category, 0);
  EXPECT_EQ(kim.salary, 120);
  EXPECT_EQ(kim.aptitude[0], 1001);
  EXPECT_EQ(kim.aptitude[4], 1005);
  EXPECT_EQ(kim.morale, 1010);
  EXPECT_EQ(kim.stress, 0);
  EXPECT_EQ(kim.employer, -1);
  EXPECT_EQ(kim.employed, 0);
  // A name longer than the field is cut to 50 bytes and cleared after them.
  EXPECT_EQ(std::string(Persons[1].name), std::string(50, 'n'));
  EXPECT_EQ(Persons[1].salary, -5);
  EXPECT_EQ(Persons[1].aptitude[4], static_cast<int16_t>(70000));
}

TEST_F(DataFiles, ALongPersonNameIsNotCutInsideACharacter) {
  // 24 two-byte characters and three ASCII letters: byte 50 falls inside one.
  std::string name = "abc";
  for (int i = 0; i < 24; ++i) name += "\x88\x61";
  WriteWorld(CorpFile("1", {ThreeCompanies[0]}), ManFile("1", {{name, 0, 1, {1, 1, 1, 1, 1}, 1}}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(std::strlen(Persons[0].name), 49u);
}

TEST_F(DataFiles, PersonCountIsCutAndAMissingLineRepeatsThePrevious) {
  std::string man = ManFile("1500", {Kim});
  man.resize(man.size() - std::string("1010\n").size());  // the morale line is missing
  WriteWorld(CorpFile("3", ThreeCompanies), man);
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(PersonCount, 999);
  EXPECT_EQ(Persons[0].morale, 1005);
  EXPECT_EQ(Persons[998].employer, -1);
  EXPECT_EQ(Persons[999].employer, 0);
}

TEST_F(DataFiles, BankValuesBeyondTwentyAreIgnored) {
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("1", {Kim}));
  WriteBytes("data/bank.dat", BankFile(25, 1) + Lines({"not a value", "999"}));
  ASSERT_EQ(LoadGameData(), 1);
  for (int i = 0; i < ParamValues; ++i) EXPECT_EQ(BankParams.values[i], i + 1);
  EXPECT_EQ(ParamSets[2].id, 0);
  EXPECT_EQ(ParamSets[2].values[0], 0);
  // A count far beyond the file stops at its end instead of reading on.
  WriteBytes("data/bank.dat", Lines({"bank", "2000000000", "v", "5"}));
  ASSERT_EQ(LoadGameData(), 1);
  EXPECT_EQ(BankParams.values[0], 5);
  EXPECT_EQ(BankParams.values[19], 5);
}

TEST_F(DataFiles, AMissingFileStopsTheLoadWithItsNotice) {
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("1", {Kim}));
  struct Case {
    const char* path;
    NoticeId notice;
  };
  // In file order: each case also removes the file of the case before.
  const Case cases[] = {{"face/man.dat", NoticeNoManFile},
                        {"data/bank.dat", NoticeNoBankFile},
                        {"data/main.dat", NoticeNoMainFile},
                        {"data/corp.dat", NoticeNoCorpFile}};
  for (const Case& missing : cases) {
    std::remove(missing.path);
    ResetWorld();
    DayCount = 77;
    EXPECT_EQ(LoadGameData(), 0) << missing.path;
    EXPECT_EQ(NoticeCode, missing.notice) << missing.path;
    EXPECT_EQ(DayCount, 77);
  }
  // What was read before the missing file stays.
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("1", {Kim}));
  std::remove("data/bank.dat");
  ResetWorld();
  EXPECT_EQ(LoadGameData(), 0);
  EXPECT_EQ(CompanyCount, 3);
  EXPECT_EQ(DinnerParams.values[0], 30);
  EXPECT_EQ(PersonCount, 0);
}

TEST_F(DataFiles, TypedNamesAreConvertedOncePerEntry) {
  std::strcpy(Companies[0].presidentName, WansungText("홍길동"));
  std::strcpy(Companies[0].name, WansungText("새싹소프트"));
  PlayerNamesAreWansung = true;
  // The first start fails on a missing file; the second must not convert again.
  EXPECT_EQ(LoadGameData(), 0);
  EXPECT_FALSE(PlayerNamesAreWansung);
  WriteWorld(CorpFile("3", ThreeCompanies), ManFile("1", {Kim}));
  EXPECT_EQ(LoadGameData(), 1);
  EXPECT_STREQ(Companies[0].presidentName, JohabText("홍길동"));
  EXPECT_STREQ(Companies[0].name, JohabText("새싹소프트"));
}

TEST_F(DataFiles, ClearingForANewGameTakesOnlyTheLoanAndTheJob) {
  Company& p = Companies[0];
  p.kind = 2;
  p.money = 7;
  p.loanAmount = 5;
  p.loanMonths = 4;
  p.staffCount = 3;
  p.workTicks = 9;
  p.isContract = 1;
  p.progress = 50;
  p.jobDays = 20;
  Companies[7].money = 9;
  JobReward = 3;
  JobType = JobClient = JobSpare = DDay = 2;
  Persons[4].stress = 8;
  ListCount = SeekerCount = ListCursor = TickCompany = 6;
  IndexList[0] = Offers[0].reward = 1;
  ClearWorldForNewGame();
  EXPECT_EQ(std::vector<int32_t>({p.loanAmount, p.loanMonths, p.workTicks, p.isContract, p.progress, p.jobDays,
                                  JobReward, JobType, JobClient, JobSpare, DDay}),
            std::vector<int32_t>(11, 0));
  EXPECT_EQ(std::vector<int64_t>({p.kind, p.money, p.staffCount, Companies[7].money, Persons[4].stress, ListCount,
                                  SeekerCount, ListCursor, TickCompany, IndexList[0], Offers[0].reward}),
            std::vector<int64_t>({2, 7, 3, 9, 8, 6, 6, 6, 6, 1, 1}));
}

TEST(IntroData, CountAndDelay) {
  ScratchDirectory scratch;
  uint8_t frames = 9;
  int32_t delay = 9;
  EXPECT_FALSE(ReadIntroData("intro/intro.dat", &frames, &delay));
  EXPECT_EQ(frames, 9);
  WriteBytes("intro/intro.dat", Lines({"frames", "8", "delay", "1000"}));
  ASSERT_TRUE(ReadIntroData("intro/intro.dat", &frames, &delay));
  EXPECT_EQ(frames, 8);
  EXPECT_EQ(delay, 1000);
  // The count is kept in 8 bits.
  WriteBytes("intro/intro.dat", Lines({"frames", "256", "delay", "5"}));
  ASSERT_TRUE(ReadIntroData("intro/intro.dat", &frames, &delay));
  EXPECT_EQ(frames, 0);
  // A folder of that name exists but cannot be read.
  std::filesystem::create_directory("intro/folder.dat");
  frames = 3;
  EXPECT_FALSE(ReadIntroData("intro/folder.dat", &frames, &delay));
  EXPECT_EQ(frames, 3);
}

TEST(WorldTables, JobTypeNamesAreJohab) {
  EXPECT_STREQ(JobTypeNames[3], JohabText("게임 개발"));
  EXPECT_EQ(JobTypeNames[3], JobTypeNames[3]);
  EXPECT_EQ(JohabToUtf8(JobTypeNames[5]), "그래픽 관련");
  EXPECT_STREQ(JobTypeNames[6], "");
  EXPECT_STREQ(JobTypeNames[-1], "");
  EXPECT_EQ(&DinnerParams, &ParamSets[0]);
  EXPECT_EQ(&BankParams, &ParamSets[1]);
}

}  // namespace
