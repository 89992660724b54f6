// The office until its screen exists: it presents its base picture (what a
// loaded game or the start button put there) with the cursor.
#include "gfx/display.h"
#include "gfx/frame.h"
#include "screens/screen.h"
#include "screens/screens.h"

void OfficeScreen() {
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
