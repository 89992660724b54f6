// SPDX-License-Identifier: GPL-2.0-or-later
// How the desktop game's window looks, set by its main before start-up.
// Free of SDL, so that the main need not include it.
#pragma once

namespace sdl_backend {

struct DisplayOptions {
  bool fullscreen = true;
  int windowScale = 0;  // a window of the picture times this; 0: the largest that fits
  // Full screen that 640x480 does not fill a whole number of times: false
  // keeps whole pixels with black bars; true fills the height, drawn at the
  // whole scale above and smoothed down.
  bool fitScale = false;
  // Told every switch between window and full screen (Alt+Enter).
  void (*fullscreenChanged)(bool fullscreen) = nullptr;
};

void SetDisplayOptions(const DisplayOptions& options);

// Brings the video system up as the game would; false with the reason
// (every display tried) in *message when there is no display to show it on.
bool CheckDisplay(const char** message);

}  // namespace sdl_backend
