// The picture table and the screens say the same: every labelled hot area of
// pictures.txt is exactly where its screen tests clicks, and every text area
// has the colour and shadow its screen writes in. A hot area or text area
// added to either side without the other fails here.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "assets/pictures/picture_table.h"
#include "screens/bank.h"
#include "screens/command_menu.h"
#include "screens/contract_list.h"
#include "screens/job_agency.h"
#include "screens/main_menu.h"
#include "screens/new_game.h"
#include "screens/office.h"
#include "screens/personnel.h"
#include "screens/planning.h"
#include "screens/ranking.h"
#include "screens/town_map.h"
#include "tests/unit/pictures_test_support.h"
#include "world/world.h"

namespace {

using Hit = std::function<bool(int x, int y)>;
using Key = std::pair<std::string, std::string>;  // picture, label

Hit InRect(const ButtonRect& rect) {
  return [rect](int x, int y) { return PointInRect(rect, x, y); };
}

Hit Place(int index) {
  return [index](int x, int y) { return TownPlaceAt(x, y) == &TownPlaces[index]; };
}

// Each hot area with the screen's own test of a click on it.
std::map<Key, Hit> ScreenHotAreas() {
  std::map<Key, Hit> hits;
  const char* menuItems[] = {"1 NEW GAME", "2 LOAD GAME", "3 (NOT YET)", "4 QUIT"};
  for (int item = 1; item <= 4; ++item) {
    hits[{"data/mainmenu.kxg", menuItems[item - 1]}] = [item](int x, int y) { return MainMenuItemAt(x, y) == item; };
  }
  hits[{"data/first.kxg", "START"}] = InRect(StartButton);
  hits[{"data/mo001.kxg", "DAY"}] = [](int x, int y) { return OfficeBarAreaAt(x, y) == DayStripArea; };
  const char* bands[] = {"TOWN MAP", "CONTRACTS", "PLANNING", "PERSONNEL", "DINNER", "MENU"};
  for (int band = 1; band <= BandCount; ++band) {
    hits[{"data/mo001.kxg", bands[band - 1]}] = [band](int x, int y) { return OfficeBarAreaAt(x, y) == band; };
  }
  const char* rows[] = {"NEW GAME", "LOAD", "SAVE", "(NOT YET)", "BACK TO OFFICE", "QUIT"};
  for (int row = 1; row <= 6; ++row) {
    hits[{"data/commbar.kxg", rows[row - 1]}] = [row](int x, int y) { return CommandMenuRowAt(x, y) == row; };
  }
  const std::pair<const char*, PersonnelArea> care[] = {
      {"CLOSE", PersonnelClose},   {"NEXT", PersonnelNext},   {"PREV", PersonnelPrevious}, {"PROMO", PersonnelPromote},
      {"RETIRE", PersonnelRetire}, {"RAISE", PersonnelRaise}, {"CUT", PersonnelCut}};
  for (const auto& entry : care) {  // a structured binding cannot be captured before Clang 16
    const PersonnelArea area = entry.second;
    hits[{"data/care.kxg", entry.first}] = [area](int x, int y) { return PersonnelAreaAt(x, y) == area; };
  }
  const char* places[TownPlaceCount] = {"JOB AGENCY", "BANK", "RANK", "OFFICE", "ELDER HOME"};
  for (int i = 0; i < TownPlaceCount; ++i) hits[{"data/tmap0002.kxg", places[i]}] = Place(i);
  // The lists as long as they get.
  hits[{"data/man001.kxg", "job seekers"}] = [](int x, int y) {
    SeekerCount = 10;
    return SeekerRowAt(x, y) >= 0;
  };
  hits[{"data/info.kxg", "offers"}] = [](int x, int y) {
    OfferCount = MaxOffers;
    return OfferRowAt(x, y) >= 0;
  };
  hits[{"data/self.kxg", "project kinds"}] = [](int x, int y) { return PlanningListAt(x, y); };
  for (const char* picture :
       {"data/man001.kxg", "data/info.kxg", "data/bill001.kxg", "data/bank001.kxg", "data/self.kxg"}) {
    hits[{picture, "RETURN"}] = InRect(ReturnButton);
  }
  hits[{"data/bank001.kxg", "BORROW"}] = InRect(BorrowButton);
  hits[{"data/bank001.kxg", "REPAY"}] = InRect(RepayButton);
  return hits;
}

constexpr int NoShadow = -1;

// Each text area with the colour and shadow its screen draws it in.
std::map<Key, std::pair<int, int>> ScreenTextColours() {
  return {
      {{"data/mo001.kxg", "status line 1"}, {StatusColour, StatusShadow}},
      {{"data/mo001.kxg", "status line 2"}, {StatusColour, StatusShadow}},
      {{"data/mo001.kxg", "job line"}, {JobColour, JobShadow}},
      {{"data/care.kxg", "employee's name"}, {EmployeeNameColour, NoShadow}},
      {{"data/man001.kxg", "header"}, {SeekerHeaderColour, SeekerShadowColour}},
      {{"data/man001.kxg", "seekers: name, kind, salary"}, {SeekerColour, SeekerShadowColour}},
      {{"data/man001.kxg", "no seekers"}, {NoSeekerColour, SeekerShadowColour}},
      {{"data/info.kxg", "header"}, {OfferHeaderColour, OfferShadowColour}},
      {{"data/info.kxg", "offers: client, work, fee, days"}, {OfferColour, OfferShadowColour}},
      {{"data/info.kxg", "no offers"}, {NoOfferColour, OfferShadowColour}},
      {{"data/bill001.kxg", "header"}, {RankingHeaderColour, RankingShadowColour}},
      {{"data/bill001.kxg", "twenty places"}, {RankingRowColour, RankingShadowColour}},
      {{"data/self.kxg", "header"}, {PlanningHeaderColour, PlanningShadowColour}},
      {{"data/self.kxg", "six project kinds"}, {PlanningKindColour, PlanningShadowColour}},
  };
}

// The screen's test holds at the four corners and fails just outside the
// middle of each edge: the rectangle is exactly the table's.
std::string Mismatch(const TableRect& r, const Hit& hits) {
  const int midX = (r.x1 + r.x2) / 2, midY = (r.y1 + r.y2) / 2;
  const std::pair<int, int> inside[] = {{r.x1, r.y1}, {r.x2, r.y1}, {r.x1, r.y2}, {r.x2, r.y2}};
  const std::pair<int, int> outside[] = {{r.x1 - 1, midY}, {r.x2 + 1, midY}, {midX, r.y1 - 1}, {midX, r.y2 + 1}};
  for (const auto& [x, y] : inside) {
    if (!hits(x, y)) return "misses (" + std::to_string(x) + ", " + std::to_string(y) + ")";
  }
  for (const auto& [x, y] : outside) {
    if (hits(x, y)) return "takes (" + std::to_string(x) + ", " + std::to_string(y) + ")";
  }
  return "";
}

TEST(PicturesAndScreens, EveryHotAreaIsWhereItsScreenTestsClicks) {
  std::map<Key, Hit> hits = ScreenHotAreas();
  for (const PictureEntry& p : picture_tests::Table()) {
    for (const HotArea& h : p.hot) {
      const auto found = hits.find({p.path, h.label});
      if (found == hits.end()) {
        ADD_FAILURE() << p.path << " '" << h.label << "' has no screen here to compare with";
        continue;
      }
      EXPECT_EQ(Mismatch(h.rect, found->second), "") << p.path << " '" << h.label << "'";
      hits.erase(found);
    }
  }
  for (const auto& [key, hit] : hits) ADD_FAILURE() << key.first << " '" << key.second << "' is not in the table";
  ResetWorld();  // the list counts the lists were probed with
}

TEST(PicturesAndScreens, EveryTextAreaHasItsScreensColours) {
  std::map<Key, std::pair<int, int>> colours = ScreenTextColours();
  for (const PictureEntry& p : picture_tests::Table()) {
    for (const TextArea& t : p.texts) {
      const auto found = colours.find({p.path, t.label});
      if (found == colours.end()) {
        ADD_FAILURE() << p.path << " '" << t.label << "' has no screen here to compare with";
        continue;
      }
      EXPECT_EQ(std::make_pair(t.colour, t.shadow), found->second) << p.path << " '" << t.label << "'";
      colours.erase(found);
    }
  }
  for (const auto& [key, colour] : colours) ADD_FAILURE() << key.first << " '" << key.second << "' is not in the table";
}

}  // namespace
