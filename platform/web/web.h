// The web backend's own entry points beside platform.h: what the browser
// build's main tells the page. Only platform/web/ and the web main know it.
#pragma once

// The game has returned from its main loop with this exit code: the save is
// flushed to the browser's storage and the page says that the game ended.
void WebGameEnded(int exitCode);
