// The ranking board. The ranking is built once on entry; any click but the
// return button flips between the top and the bottom twenty. Leaving goes
// through the victory picture when the player's company is first, and a day
// passes either way.
#include "screens/ranking.h"

#include <cinttypes>
#include <cstdio>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/font.h"
#include "text/hangul.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr int BoardLeft = 10;
constexpr int HeaderTop = 20;
constexpr int RowsTop = 40;
constexpr int RowHeight = 20;

int32_t RankedCount() {
  if (CompanyCount <= 0) return 0;
  return CompanyCount < MaxCompanies ? CompanyCount : MaxCompanies;
}

void FirstCall() {
  ListCount = 0;
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/bill001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  Display->Present(BaseFrame);
  BuildRanking();
  ScreenEntry = 0;
}

void Leave() {
  ScreenEntry = 1;
  if (PlayerLeads()) {
    LoadImage(BaseFrame, FrameBytes, "data/win.kxg");
    CurrentScreen = VictoryScreen;
  } else {
    CurrentScreen = DayPassScreen;
  }
}

void DrawBoard() {
  DrawText(ComposeFrame, BoardLeft, HeaderTop, JohabText(Tr(u8"순위   회사명                         자산")),
           RankingHeaderColour, RankingShadowColour);
  const int32_t first = RankingPageFirst(ListCount);
  const int32_t rows = RankingPageRowCount(ListCount);
  for (int32_t k = 0; k < rows; ++k) {
    char line[128];
    FormatRankingRow(first + k, line, sizeof line);
    DrawText(ComposeFrame, BoardLeft, RowsTop + RowHeight * k, line, RankingRowColour, RankingShadowColour);
  }
}

}  // namespace

int32_t RankingPageFirst(int32_t page) {
  if (page != 1) return 0;
  const int32_t first = RankedCount() - RankingPageRows;
  return first > 0 ? first : 0;
}

int32_t RankingPageRowCount(int32_t page) {
  const int32_t rows = RankedCount() - RankingPageFirst(page);
  return rows < RankingPageRows ? rows : RankingPageRows;
}

void FormatRankingRow(int32_t entry, char* text, size_t size) {
  const RankEntry& e = Ranking[entry];
  // Drawn with its line end, a rival's name would put the money at the left
  // edge of the next row.
  const size_t length = NameLength(e.name, sizeof e.name);
  std::snprintf(text, size, "[%2d] %20.*s %" PRId64, static_cast<int>(entry + 1), static_cast<int>(length), e.name,
                e.money);
}

void RankingScreen() {
  if (AnimState != 0) {
    if (ReturnButtonClicked()) Leave();
    return;
  }
  if (ScreenEntry) {
    FirstCall();
    return;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawBoard();
  if (MouseClick & 1) {
    if (PointInRect(ReturnButton, MouseX, MouseY)) {
      PressButton(ReturnButton, ReturnButtonImage, 100);
      return;
    }
    // The page drawn now is the old one; the new one shows from the next frame.
    ListCount = 1 - ListCount;
  }
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
