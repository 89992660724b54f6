// Notices: a screen stores a one-byte NoticeCode, stops itself and posts
// WM_USER + 1; ShowNotice shows the matching message box and performs the
// code's follow-up.
#pragma once

#include <cstdint>

// Posts notice `code` the way every screen does: ScreenRunning = 0, then
// WM_USER + 1.
void PostNotice(uint8_t code);

// A follow-up that runs after a notice's box (for YES only on Yes/No boxes).
using NoticeFollowUp = void (*)();

struct NoticeEntry {
  uint8_t code;
  const char* textUtf8;  // nullptr: the box shows MessageText; "" : no box
  const char* captionUtf8;
  int style;             // BoxOk, BoxYesNo, BoxOk | BoxIconStop
  NoticeFollowUp followUp;
  bool resumesScreens;   // sets ScreenRunning = 1 afterwards
};

// The entry of a code, or nullptr for a code outside the table.
const NoticeEntry* FindNotice(uint8_t code);
