// SPDX-License-Identifier: GPL-2.0-or-later
// The command menu. The office has drawn data/commbar.kxg onto its picture;
// the menu holds the highlighted panel data/commbar1.kxg in ScratchFrame and
// lays the row under the pointer over it.
#include "screens/command_menu.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"

namespace {

constexpr int PanelWidth = MenuPanelRight - MenuPanelLeft + 1;  // 186
// The notices of rows 1 to 4: new game, load, save, not supported yet.
constexpr NoticeId RowNotices[4] = {NoticeNewGame, NoticeLoadGame, NoticeSaveGame, NoticeNotSupported};

int16_t RowTop(int row) { return static_cast<int16_t>(MenuPanelTop + MenuRowHeight * (row - 1)); }

void DrawRowHighlight(int row) {
  PutRect(ComposeFrame, MenuPanelLeft, RowTop(row), MenuPanelRight,
          static_cast<int16_t>(RowTop(row) + MenuRowHeight - 1), ScratchFrame + PanelWidth * MenuRowHeight * (row - 1));
}

// Acts on a clicked row; false when the frame ends here.
bool ActOnRow(int row) {
  if (row <= 4) {
    CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
    Display->Present(ComposeFrame);
    PostNotice(RowNotices[row - 1]);
    return true;
  }
  if (row == 5) {
    // Pixels only: the palette is the office's already.
    LoadImage(BaseFrame, FrameBytes, "data/mo001.kxg");
    CurrentScreen = OfficeScreen;
    return false;
  }
  PlaySoundFile("sound/end.wav");
  PostGameMessage(WM_CLOSE);
  return false;
}

}  // namespace

int CommandMenuRowAt(int32_t x, int32_t y) {
  if (x < MenuPanelLeft || x > MenuPanelRight || y < MenuPanelTop || y > MenuPanelBottom) return 0;
  return (y - MenuPanelTop) / MenuRowHeight + 1;
}

void CommandMenuScreen() {
  if (ScreenEntry != 0) {
    LoadImage(ScratchFrame, FrameBytes, "data/commbar1.kxg");
    ScreenEntry = 0;
  }
  const int row = CommandMenuRowAt(MouseX, MouseY);
  if ((MouseClick & 1) && row != 0 && !ActOnRow(row)) return;
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  if (row != 0) DrawRowHighlight(row);
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
