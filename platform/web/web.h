// The web backend's own entry points beside platform.h: what the browser
// build's main tells the page. Only platform/web/ and the web main know it.
#pragma once

// The game has returned from its main loop with this exit code: the save is
// flushed to the browser's storage and the page says that the game ended.
void WebGameEnded(int exitCode);

// The language the player chose in this browser before ("" when none).
const char* WebChosenLanguage();
// The game speaks current, one of codes (separated by spaces): the page
// translates its own texts with translate and offers the others on its
// language button, which keeps the choice and reloads the page.
void WebUseLanguage(const char* current, const char* codes, const char* (*translate)(const char* utf8));
