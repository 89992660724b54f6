#include <cstdio>

#include "app/app.h"
#include "dialogs/dialogs.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "platform/platform.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "sim/cash.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/notice_state.h"
#include "world/world.h"

void DebugKeys(int32_t keyCode) {
  switch (keyCode) {
    case VK_ESCAPE:
      PostGameMessage(WM_CLOSE);
      break;
    case VK_F7:
      DayCount += 1;
      break;
    case VK_F8:
      AddCash(Companies[PlayerCompany].money, 10);
      break;
    case VK_F11:
      Display->FlipToGdi();
      ShowCursor(true);
      std::snprintf(MessageText, sizeof MessageText, "Player : %d Man : %d", static_cast<int>(CompanyCount),
                    static_cast<int>(PersonCount));
      PlatformMessageBox(MessageText, WansungText(Tr("Debug")), BoxOk);
      ShowCursor(false);
      break;
    case VK_F12:
      ShowFps = 1 - ShowFps;
      if (ShowFps == 1) {
        for (uint32_t& counter : FpsCounters) counter = 0;
      }
      break;
    default:
      break;
  }
}

static int16_t LowWord(int32_t value) { return static_cast<int16_t>(value & 0xFFFF); }
static int16_t HighWord(int32_t value) { return static_cast<int16_t>((value >> 16) & 0xFFFF); }

bool WindowDestroyed;

int32_t WindowProc(uint32_t message, uint32_t wParam, int32_t lParam) {
  // Once the window is gone only the quit remains to be taken.
  if (WindowDestroyed) return 0;
  switch (message) {
    case WM_DESTROY:
      WindowDestroyed = true;
      Shutdown();
      ShowCursor(true);
      PostQuitMessage(0);
      return 0;
    case WM_CLOSE:
      // What the default procedure does with a close: destroy the window.
      return WindowProc(WM_DESTROY, 0, 0);
    case WM_ACTIVATEAPP:
      AppActive = static_cast<int32_t>(wParam);
      return 0;
    case WM_KEYDOWN:
      InputEvent = static_cast<int32_t>(wParam);
      DebugKeys(static_cast<int32_t>(wParam));
      return 0;
    case WM_CHAR:
      return 0;
    case WM_MOUSEMOVE:
      MouseX = LowWord(lParam);
      MouseY = HighWord(lParam);
      return 0;
    case WM_LBUTTONUP:
      InputEvent = ClickEvent;
      MouseClick = 1;
      return 0;
    case MsgNotice:
      ShowNotice();
      return 0;
    default:
      // A screen's request for a dialog; any other message is let go.
      OpenDialogFor(message);
      return 0;
  }
}
