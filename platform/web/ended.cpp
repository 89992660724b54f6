// SPDX-License-Identifier: GPL-2.0-or-later
// The end of the game in the page: the save reaches the browser's storage
// before the page says that the game ended and offers a new start.
#include <emscripten/emscripten.h>

#include "platform/web/web.h"

EM_ASYNC_JS(void, web_game_ended, (int exitCode), { await KXS.gameEnded(exitCode); });

void WebGameEnded(int exitCode) { web_game_ended(exitCode); }
