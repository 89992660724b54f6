// SPDX-License-Identifier: GPL-2.0-or-later
// How the desktop game's window looks, set by its main before start-up.
// The desktop backends (SDL, Win32) honour it; the others have no window to
// choose.
#pragma once

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

void PlatformSetDisplayOptions(const DisplayOptions& options);
