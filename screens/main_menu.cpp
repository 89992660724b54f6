// SPDX-License-Identifier: GPL-2.0-or-later
#include "screens/main_menu.h"

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"

namespace {

constexpr int HighlightWidth = 186;
constexpr int HighlightHeight = 55;
constexpr int HighlightBytes = HighlightWidth * HighlightHeight;
// The highlights live in ComposeFrame while the menu is current; the menu
// composes in ScratchFrame.
constexpr int HighlightOffset[4] = {0, 10240, 20480, 30720};
constexpr const char* HighlightFile[4] = {"data/mm1.kxg", "data/mm2.kxg", "data/mm3.kxg", "data/mm4.kxg"};
constexpr int MenuLeft = 225, MenuRight = 410, MenuTop = 217, MenuBottom = 436;

void PresentMenuWithoutHighlight() {
  CopyDwords(ScratchFrame, BaseFrame, FrameBytes / 4);
  Display->Present(ScratchFrame);
}

}  // namespace

void LoadMainMenuPictures() {
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mainmenu.kxg", GamePalette);
  for (int i = 0; i < 4; ++i) LoadImage(ComposeFrame + HighlightOffset[i], HighlightBytes, HighlightFile[i]);
  Display->SetPalette(GamePalette);
}

int MainMenuItemAt(int x, int y) {
  if (x < MenuLeft || x > MenuRight || y < MenuTop || y > MenuBottom) return 0;
  return (y - MenuTop) / HighlightHeight + 1;
}

void MainMenuScreen() {
  CopyDwords(ScratchFrame, BaseFrame, FrameBytes / 4);
  const int item = MainMenuItemAt(MouseX, MouseY);
  if (item != 0) {
    const int16_t top = static_cast<int16_t>(MenuTop + (item - 1) * HighlightHeight);
    PutRect(ScratchFrame, MenuLeft, top, MenuRight, static_cast<int16_t>(top + HighlightHeight - 1),
            ComposeFrame + HighlightOffset[item - 1]);
  }
  if ((MouseClick & 1) && item != 0) {
    PresentMenuWithoutHighlight();
    switch (item) {
      case 1:
        StartNewGame();
        return;
      case 2:
        PostNotice(NoticeLoadGame);
        return;
      case 3:
        PostNotice(NoticeNotSupported);
        break;
      case 4:
        MouseClick = 0;
        PostGameMessage(WM_CLOSE);
        return;
    }
  }
  DrawCursor(ScratchFrame);
  Display->Present(ScratchFrame);
}
