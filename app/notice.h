// SPDX-License-Identifier: GPL-2.0-or-later
// Notices: a screen stores a one-byte NoticeCode, stops itself and posts
// WM_USER + 1 (PostNotice, screens/screen.h); ShowNotice shows the matching
// message box and performs the code's follow-up.
#pragma once

#include <cstdint>

#include "world/notice_state.h"

// A follow-up that runs after a notice's box (for YES only on Yes/No boxes).
using NoticeFollowUp = void (*)();

struct NoticeEntry {
  NoticeId code;
  const char* textUtf8;  // nullptr: the box shows MessageText; "" : no box
  const char* captionUtf8;
  int style;  // BoxOk, BoxYesNo, BoxOk | BoxIconStop
  NoticeFollowUp followUp;
  bool resumesScreens;  // sets ScreenRunning = 1 afterwards
};

// The entry of a code, or nullptr for a code outside the table.
const NoticeEntry* FindNotice(uint8_t code);
