// SPDX-License-Identifier: GPL-2.0-or-later
// The save file after a long game. The file counts persons in one byte: a
// world of 999 persons is refused (a wrapped count would lose most of them)
// and the previous save stays whole; at the most the file holds, 99
// companies and 255 persons, a world worn by hundreds of days saves, loads
// and saves again to the same bytes and plays on within its bounds.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "app/save_game.h"
#include "tests/unit/stress_player.h"
#include "tests/unit/stress_tables.h"
#include "tests/unit/stress_tree.h"
#include "tests/unit/world_test_support.h"
#include "world/save_format.h"

namespace {

// Plays `days` days with the long runs' player; the first fault, or empty.
std::string PlayDays(StressPlayer* player, int days) {
  for (int day = 0; day < days; ++day) {
    player->Act();
    if (!PassDay() || HeadlessFailed()) return "the day did not pass on day " + std::to_string(DayCount);
    std::string fault = WorldFault();
    if (!fault.empty()) return fault + " on day " + std::to_string(DayCount);
  }
  return "";
}

std::string LastBox() {
  const std::vector<std::string>& lines = HeadlessLogLines();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    if (line->rfind("box ", 0) == 0) return *line;
  }
  return "";
}

struct WorldSnapshot {
  int32_t companyCount;
  int32_t personCount;
  std::vector<Company> companies;
  std::vector<Person> persons;
  int32_t dayCount;
  int32_t listCount;
  int32_t indexList[IndexListSize];
  int32_t jobReward;
  int16_t dDay;
};

WorldSnapshot TakeSnapshot() {
  WorldSnapshot s;
  s.companyCount = CompanyCount;
  s.personCount = PersonCount;
  s.companies.assign(Companies, Companies + CompanyCount);
  s.persons.assign(Persons, Persons + PersonCount);
  s.dayCount = DayCount;
  s.listCount = ListCount;
  std::memcpy(s.indexList, IndexList, sizeof IndexList);
  s.jobReward = JobReward;
  s.dDay = DDay;
  return s;
}

// Field by field: the records' padding is not part of the game.
bool SameCompany(const Company& a, const Company& b) {
  return a.kind == b.kind && std::memcmp(a.presidentName, b.presidentName, sizeof a.presidentName) == 0 &&
         std::memcmp(a.name, b.name, sizeof a.name) == 0 && a.money == b.money && a.loanAmount == b.loanAmount &&
         a.loanMonths == b.loanMonths && a.reserveA == b.reserveA && a.bidOdds == b.bidOdds &&
         a.reserveB == b.reserveB && a.staffCount == b.staffCount && a.workTicks == b.workTicks &&
         a.isContract == b.isContract && a.progress == b.progress && a.jobDays == b.jobDays;
}

bool SamePerson(const Person& a, const Person& b) {
  return a.category == b.category && a.employer == b.employer && a.employed == b.employed &&
         std::memcmp(a.name, b.name, sizeof a.name) == 0 && a.salary == b.salary &&
         std::memcmp(a.aptitude, b.aptitude, sizeof a.aptitude) == 0 && a.morale == b.morale && a.stress == b.stress;
}

TEST(StressSave, AFullWorldIsRefusedAndThePreviousSaveStays) {
  StressTree folder(StressTreeShape{});
  StartShellOnTree();
  ASSERT_EQ(StartStressGame(), 1);
  ASSERT_EQ(PersonCount, 999);
  GameSrand(7);
  StressPlayer player(StressRunShape{7, "5000000", 600, 80, 60, 100});
  ASSERT_EQ(PlayDays(&player, 300), "");
  const std::vector<uint8_t> previous = {'K', 'X', 'S', 1, 2, 3};
  WriteBytes(SaveFilePath, previous);
  const WorldSnapshot before = TakeSnapshot();

  SaveGame();

  EXPECT_NE(LastBox().find("File Error"), std::string::npos) << LastBox();
  EXPECT_NE(LastBox().find("255"), std::string::npos) << LastBox();
  EXPECT_EQ(ReadBytes(SaveFilePath), previous);
  EXPECT_FALSE(std::filesystem::exists("cur/kxs.sav.tmp"));
  EXPECT_EQ(PersonCount, before.personCount);  // saving changes nothing
  EXPECT_EQ(DayCount, before.dayCount);
}

TEST(StressSave, AWornWorldAtTheFilesLimitsSavesLoadsAndSavesTheSameBytes) {
  StressTreeShape shape;
  shape.personEntries = SaveMaxPersons;
  StressTree folder(shape);
  StartShellOnTree();
  ASSERT_EQ(StartStressGame(), 1);
  ASSERT_EQ(CompanyCount, 99);
  ASSERT_EQ(PersonCount, 255);
  GameSrand(4242);
  StressPlayer player(StressRunShape{4242, "99999999999999999999", 255, 80, 60, 100});
  ASSERT_EQ(PlayDays(&player, 700), "");
  ASSERT_LT(CompanyCount, 99);  // bankruptcies have moved rivals about

  SaveGame();
  ASSERT_NE(LastBox().find("저장했습니다"), std::string::npos) << LastBox();
  const std::vector<uint8_t> first = ReadBytes(SaveFilePath);
  ASSERT_EQ(first.size(), SavePlainBytes(CompanyCount, PersonCount) + SaveTrailerBytes);
  const WorldSnapshot saved = TakeSnapshot();

  // Another 50 days, then back to the saved day.
  ASSERT_EQ(PlayDays(&player, 50), "");
  LoadGame();
  ASSERT_EQ(CurrentScreen, OfficeScreen);
  ASSERT_EQ(CompanyCount, saved.companyCount);
  ASSERT_EQ(PersonCount, saved.personCount);
  EXPECT_EQ(DayCount, saved.dayCount);
  EXPECT_EQ(ListCount, saved.listCount);
  EXPECT_EQ(std::memcmp(IndexList, saved.indexList, sizeof IndexList), 0);
  EXPECT_EQ(JobReward, saved.jobReward);
  EXPECT_EQ(DDay, saved.dDay);
  for (int32_t i = 0; i < CompanyCount; ++i) EXPECT_TRUE(SameCompany(Companies[i], saved.companies[i])) << i;
  for (int32_t i = 0; i < PersonCount; ++i) EXPECT_TRUE(SamePerson(Persons[i], saved.persons[i])) << i;
  EXPECT_EQ(WorldFault(), "");

  SaveGame();
  EXPECT_EQ(ReadBytes(SaveFilePath), first);

  // The loaded world plays on as soundly as the one that was saved.
  EXPECT_EQ(PlayDays(&player, 200), "");
}

}  // namespace
