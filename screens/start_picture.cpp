// SPDX-License-Identifier: GPL-2.0-or-later
// The start-up picture, shown until any key or click.
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/main_menu.h"
#include "screens/screen.h"
#include "screens/screens.h"

void StartPictureScreen() {
  Display->Present(BaseFrame);
  if (InputEvent == 0) return;
  InputEvent = 0;
  LoadMainMenuPictures();
  CurrentScreen = MainMenuScreen;
}
