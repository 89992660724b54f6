#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/box_rules.h"
#include "platform/platform.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/random.h"
#include "text/catalogue.h"
#include "text/font.h"
#include "text/utf8.h"

int32_t AppActive;
int32_t ShowFps;
uint32_t FpsCounters[6];
int16_t ScreenWidth;
int16_t ScreenHeight;
uint8_t ScreenBpp;

void InitGlobals() {
  ScreenWidth = 640;
  ScreenHeight = 480;
  ScreenBpp = 8;
  GameSrand(static_cast<uint32_t>(PlatformCalendarSeconds()));
}

void LoadCursorPicture(const char* path, uint8_t* arrow) {
  for (int i = 0; i < 256; ++i) arrow[i] = TransparentKey;
  // Only a 16x16 picture can be the pointer: the cursor is drawn as rows of
  // 16, so a smaller one would come out garbled. Anything else leaves the
  // arrow transparent.
  std::vector<uint8_t> bytes;
  int width = 0;
  int height = 0;
  if (!ReadWholeFile(path, KxgMaxFileBytes, &bytes)) return;
  if (!ReadImageSize(bytes.data(), bytes.size(), &width, &height) || width != 16 || height != 16) return;
  DecodeImage(bytes.data(), bytes.size(), arrow, 256, nullptr);
}

bool LoadStartupImages() {
  uint8_t arrow[256];
  LoadCursorPicture("cur/arrow.kxg", arrow);
  SetCursorImage(arrow, ScreenWidth, ScreenHeight, TransparentKey);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/main.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  return true;
}

bool InitDisplay() {
  Display = new DisplayDevice(ScreenWidth, ScreenHeight, ScreenBpp);
  if (!Display->IsReady()) return false;
  LoadStartupImages();
  if (!LoadFonts("data/han.fnt", "data/eng.fnt")) {
    std::fprintf(stderr, "kxs: %s\n", FontLoadError());
    // Without fonts the game cannot start; the player hears why, not only a
    // terminal nobody looks at.
    const std::string text = std::string(WansungText("글꼴 화일이 없거나 잘못되었습니다")) + "\n" + FontLoadError();
    PlatformMessageBox(text.c_str(), "File Error", BoxOk);
    return false;
  }
  TextColour = 55;
  return true;
}

bool StartGame(int* exitCode) {
  *exitCode = 0;
  // The boxes' buttons speak the language chosen, like every other text.
  SetBoxLabelLookup([](const char* korean) { return Tr(korean); });
  if (!PlatformClaimSingleInstance()) {
    std::fputs(Tr("kxs: another instance is already running\n"), stderr);
    PlatformMessageBox(WansungText(Tr("이미 실행중입니다")), WansungText(Tr("Notice")), BoxOk);
    return false;
  }
  InitGlobals();
  CurrentScreen = StartPictureScreen;
  if (!InitDisplay()) {
    *exitCode = 1;
    return false;
  }
  ShowCursor(false);
  return true;
}

void Shutdown() {
  FreeFonts();
  if (Display) {
    Display->Shutdown();
    delete Display;
    Display = nullptr;
  }
}

int GameMain() {
  int exitCode = 0;
  if (!StartGame(&exitCode)) return exitCode;
  while (RunLoopPass(&exitCode)) {
  }
  return exitCode;
}
