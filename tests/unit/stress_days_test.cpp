// SPDX-License-Identifier: GPL-2.0-or-later
// Two thousand days of a game at the limits of the tables: 99 companies and
// 999 persons loaded from data files that name one more of each, a player
// who hires up to hundreds of employees, takes contracts, plans
// productions, borrows and repays, works the staff and holds dinners, and
// every day passed through the frame loop's day pass and its report. After
// every day each table must still be within its bounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/unit/stress_player.h"
#include "tests/unit/stress_tables.h"
#include "tests/unit/stress_tree.h"

namespace {

constexpr int StressDays = 2000;

// What a run went through, counted from the boxes of its log.
struct RunCounts {
  int bankruptcies = 0;
  int leavers = 0;
  int contractsPaid = 0;
  int contractsBroken = 0;
  int productsSold = 0;
  int productsFailed = 0;
  int dunningLetters = 0;
  int loans = 0;
  int repayments = 0;
  int unpaidMonths = 0;
  int32_t peakStaff = 0;
  int32_t peakLeavers = 0;
  int32_t fewestCompanies = MaxCompanies;
};

bool Says(const std::string& line, const char* text) { return line.find(text) != std::string::npos; }

// The boxes of the log since `from`, into the counts; false on a box no
// healthy game shows.
bool CountBoxes(size_t* from, RunCounts* counts, std::string* odd) {
  const std::vector<std::string>& lines = HeadlessLogLines();
  for (; *from < lines.size(); ++*from) {
    const std::string& line = lines[*from];
    if (line.rfind("box ", 0) != 0) continue;
    counts->bankruptcies += Says(line, "망해 사라집니다");
    counts->leavers += Says(line, "회사를 그만둡니다");
    counts->contractsPaid += Says(line, "수주건을 완료했습니다");
    counts->contractsBroken += Says(line, "계약이 파기되고");
    counts->productsSold += Says(line, "좋은 제품이라");
    counts->productsFailed += Says(line, "계획내에 끝나지");
    counts->dunningLetters += Says(line, "독촉장");
    counts->loans += Says(line, "대출되었습니다");
    counts->repayments += Says(line, "갚으셨습니다");
    if (Says(line, "ERROR") || Says(line, "File Error") || Says(line, "Game Over")) {
      *odd = line;
      return false;
    }
  }
  return true;
}

class StressDaysTest : public ::testing::TestWithParam<StressRunShape> {};

TEST_P(StressDaysTest, TablesStayInBoundsForTwoThousandDays) {
  const StressRunShape& shape = GetParam();
  StressTreeShape tree;
  tree.playerMoney = shape.playerMoney;
  StressTree folder(tree);
  StartShellOnTree();
  ASSERT_EQ(StartStressGame(), 1);
  // The loader's cuts: one company and one person fewer than the files name.
  ASSERT_EQ(CompanyCount, 99);
  ASSERT_EQ(PersonCount, 999);
  ASSERT_EQ(Companies[1].money, INT64_MAX);
  ASSERT_EQ(Companies[2].money, INT64_MIN);
  // Poor rivals start at 0 or below: the first evening removes them.
  ASSERT_EQ(VisitFault(), "");
  GameSrand(shape.seed);

  StressPlayer player(shape);
  RunCounts counts;
  size_t logFrom = 0;
  std::string odd;
  for (int day = 1; day <= StressDays; ++day) {
    player.Act();
    ASSERT_EQ(VisitFault(), "") << "after the player's visits before day " << day;
    const int64_t moneyBefore = Companies[PlayerCompany].money;
    const int32_t staffBefore = Companies[PlayerCompany].staffCount;
    std::vector<int64_t> walkedFrom(CompanyCount);
    for (int32_t i = 0; i < CompanyCount; ++i) walkedFrom[i] = Companies[i].money;
    std::string passFault;
    const auto watch = [&] {
      if (!passFault.empty()) return;
      if (CurrentScreen == DayPassScreen) {
        passFault = DayPassFrameFault();
      } else if (GameMessagePending()) {
        passFault = WalkFault(walkedFrom);  // the walk is over, the report is yet to come
      }
    };
    ASSERT_TRUE(PassDay(watch)) << "day " << day;
    ASSERT_EQ(passFault, "") << "in the day pass of day " << day;
    ASSERT_FALSE(HeadlessFailed()) << HeadlessFailure();
    ASSERT_EQ(DayCount, day + 1);
    ASSERT_EQ(WorldFault(), "") << "at the end of day " << DayCount;
    ASSERT_TRUE(CountBoxes(&logFrom, &counts, &odd)) << odd << " on day " << DayCount;
    if (IsMonthEnd(DayCount) && staffBefore > 0 && Companies[PlayerCompany].money == 0 && moneyBefore > 0) {
      counts.unpaidMonths += 1;
    }
    if (day % 10 == 0) {
      ASSERT_EQ(RankingFault(), "") << "day " << DayCount;
    }
    counts.peakStaff = std::max(counts.peakStaff, staffBefore);
    counts.peakLeavers = std::max(counts.peakLeavers, ListCount);
    counts.fewestCompanies = std::min(counts.fewestCompanies, CompanyCount);
  }
  // The rival at the top of the cash field is still there: its walk did not
  // wrap round to a bankruptcy.
  bool topRivalLives = false;
  for (int32_t i = 1; i < CompanyCount; ++i) topRivalLives |= Companies[i].money > INT64_MAX - 200LL * StressDays;
  EXPECT_TRUE(topRivalLives);

  // The run went through what it is meant to: full staff, leavers by the
  // hundred, every way a job ends, the bank's letter, bankruptcies.
  RecordProperty("peak_staff", counts.peakStaff);
  RecordProperty("peak_leavers", counts.peakLeavers);
  EXPECT_GE(counts.peakStaff, 150);
  EXPECT_GE(counts.peakLeavers, 100);
  EXPECT_GT(counts.leavers, 100);
  EXPECT_GE(counts.bankruptcies, 5);
  EXPECT_EQ(counts.bankruptcies, 99 - counts.fewestCompanies);
  EXPECT_GT(counts.contractsPaid, 0);
  EXPECT_GT(counts.contractsBroken, 0);
  EXPECT_GT(counts.productsSold, 0);
  EXPECT_GT(counts.productsFailed, 0);
  EXPECT_GT(counts.loans, 0);
  EXPECT_GT(counts.repayments, 0);
  EXPECT_GT(counts.dunningLetters, 0);
  // Living mostly on its own productions, a large staff outgrows the cash.
  if (shape.contractPercent < 10) {
    EXPECT_GT(counts.unpaidMonths, 0);
  }
  std::printf(
      "seed %u: staff peak %d, leave list peak %d, leavers %d, bankruptcies %d, contracts %d paid %d broken, "
      "products %d sold %d failed, loans %d, repayments %d, dunning %d, unpaid months %d\n",
      shape.seed, counts.peakStaff, counts.peakLeavers, counts.leavers, counts.bankruptcies, counts.contractsPaid,
      counts.contractsBroken, counts.productsSold, counts.productsFailed, counts.loans, counts.repayments,
      counts.dunningLetters, counts.unpaidMonths);
}

// A rich player at the top of the cash field whose rewards must not wrap
// it; a poor one hiring everyone it can and living on its own productions,
// short of money for the payroll; one between.
INSTANTIATE_TEST_SUITE_P(Seeds, StressDaysTest,
                         ::testing::Values(StressRunShape{2, "99999999999999999999", 999, 80, 70, 200},
                                           StressRunShape{1997, "20000", 999, 90, 5, 8},
                                           StressRunShape{48879, "3000000", 400, 60, 60, 100}),
                         [](const ::testing::TestParamInfo<StressRunShape>& info) {
                           return "Seed" + std::to_string(info.param.seed);
                         });

}  // namespace
