// The job agency: the list's lines and rows, hiring. The seeker draw is the
// market's rule (sim_market_test.cpp).
#include <algorithm>
#include <string>

#include "screens/job_agency.h"
#include "screens/screens.h"
#include "tests/unit/town_test_support.h"

namespace {

using Agency = TownShell;

std::vector<int32_t> Seekers() { return std::vector<int32_t>(IndexList, IndexList + SeekerCount); }

// A seed whose visit draws exactly `wanted` seekers from the world as it is.
uint32_t SeedForSeekers(int32_t wanted) {
  return SeedWhere([wanted] {
    DrawJobSeekers();
    return SeekerCount == wanted;
  });
}

TEST_F(Agency, ADrawOfNothingShowsTheEmptyLineAndClicksSelectNobody) {
  AddPersons(20);
  GameSrand(SeedWhere([] { return GameRand() % 11 == 0; }));
  Enter(JobAgencyScreen);
  ASSERT_TRUE(RunFramesForTest(1));
  EXPECT_EQ(SeekerCount, 0);
  Click(30, 85);
  ASSERT_TRUE(RunFramesForTest(2));
  EXPECT_TRUE(LogLines("box ").empty());
  EXPECT_EQ(SeekerRowAt(30, 85), -1);
}

TEST_F(Agency, RowsEndAtTheLastSeekersLineAndAtX200) {
  SeekerCount = 3;
  EXPECT_EQ(SeekerRowAt(20, 80), 0);
  EXPECT_EQ(SeekerRowAt(200, 99), 0);
  EXPECT_EQ(SeekerRowAt(200, 100), 1);
  EXPECT_EQ(SeekerRowAt(100, 79 + 20 * 3), 2);
  EXPECT_EQ(SeekerRowAt(100, 80 + 20 * 3), -1);
  EXPECT_EQ(SeekerRowAt(201, 85), -1);
  EXPECT_EQ(SeekerRowAt(19, 85), -1);
  EXPECT_EQ(SeekerRowAt(100, 79), -1);
}

TEST_F(Agency, TheLineCountsBytesAndNamesTheCategory) {
  const int32_t kim = AddPerson("김철수", false, 120);
  Persons[kim].category = CategoryDesigner;
  char line[160];
  FormatSeekerLine(kim, line, sizeof line);
  // Three syllables are six bytes, padded to ten.
  const std::string expected = std::string(JohabText(u8"김철수")) + "     " + JohabText(u8"그래픽 디자이너") + " " +
                               "    120";
  EXPECT_EQ(std::string(line), expected);
  Persons[kim].category = 9;
  EXPECT_STREQ(CategoryName(Persons[kim].category), JohabText(u8"불확실"));
  EXPECT_STREQ(CategoryName(CategoryProgrammer), JohabText(u8"프로그래머"));
  EXPECT_STREQ(CategoryName(CategorySales), JohabText(u8"영업"));
  EXPECT_STREQ(CategoryName(CategoryManagement), JohabText(u8"관리"));
}

TEST_F(Agency, HiringTheFirstOfThreeMovesTheOthersUpAndKeepsThemAway) {
  AddPersons(6);
  GameSrand(SeedForSeekers(3));
  Enter(JobAgencyScreen);
  ASSERT_TRUE(RunFramesForTest(2));
  ASSERT_EQ(SeekerCount, 3);
  const std::vector<int32_t> before = Seekers();
  const int32_t hired = before[0];
  HeadlessQueueBoxAnswer(AnswerYes);
  Click(100, 80);
  ASSERT_TRUE(RunFramesForTest(2));
  const std::string name = JohabToUtf8(Persons[hired].name);
  EXPECT_EQ(LogLines("box "), (std::vector<std::string>{"box '_' | " + name + "씨를 채용하시겠습니까 | yes"}));
  EXPECT_TRUE(Logged("sound sound/003.wav"));
  EXPECT_EQ(Seekers(), (std::vector<int32_t>{before[1], before[2]}));
  EXPECT_EQ(Player().staffCount, 1);
  EXPECT_EQ(Persons[hired].employed, 1);
  EXPECT_EQ(Persons[hired].employer, PlayerCompany);
  EXPECT_EQ(CurrentScreen, JobAgencyScreen);
  // Answering No hires nobody.
  HeadlessQueueBoxAnswer(AnswerNo);
  Click(100, 80);
  ASSERT_TRUE(RunFramesForTest(2));
  EXPECT_EQ(SeekerCount, 2);
  EXPECT_EQ(Player().staffCount, 1);
  // Later visits never list the hired person.
  for (uint32_t seed = 0; seed < 300; ++seed) {
    GameSrand(seed);
    DrawJobSeekers();
    const std::vector<int32_t> seen = Seekers();
    ASSERT_EQ(std::count(seen.begin(), seen.end(), hired), 0) << "seed " << seed;
  }
}

TEST_F(Agency, TheLastLineHiresTheLastSeeker) {
  AddPersons(6);
  GameSrand(SeedForSeekers(3));
  Enter(JobAgencyScreen);
  ASSERT_TRUE(RunFramesForTest(2));
  const int32_t last = IndexList[2];
  Click(100, 79 + 20 * 3);
  HeadlessQueueBoxAnswer(AnswerYes);
  ASSERT_TRUE(RunFramesForTest(2));
  EXPECT_EQ(ListCursor, 2);
  EXPECT_EQ(Persons[last].employed, 1);
  EXPECT_EQ(SeekerCount, 2);
}

TEST_F(Agency, TheQuestionNamesTheSeekerInWansungWithoutTheLineEnd) {
  const int32_t p = AddPerson("홍길동", false);
  std::strcat(Persons[p].name, "\n");
  FormatHireQuestion(p);
  EXPECT_STREQ(MessageText, WansungText(u8"홍길동씨를 채용하시겠습니까"));
}

TEST_F(Agency, LeavingPassesADay) {
  AddPersons(3);
  Enter(JobAgencyScreen);
  ASSERT_TRUE(RunFramesForTest(2));
  LeaveThroughReturn(JobAgencyScreen);
  EXPECT_EQ(CurrentScreen, DayPassScreen);
  EXPECT_EQ(ScreenEntry, 1);
}

}  // namespace
