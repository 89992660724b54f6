// SPDX-License-Identifier: GPL-2.0-or-later
// Whether the desktop game has a display to play on, asked by its main
// before start-up. Free of SDL, so that the main need not include it.
#pragma once

namespace sdl_backend {

// Brings the video system up as the game would; false with the reason
// (every display tried) in *message when there is no display to show it on.
bool CheckDisplay(const char** message);

}  // namespace sdl_backend
