// SPDX-License-Identifier: GPL-2.0-or-later
// The notice selector and the shared text buffer of message boxes.
#pragma once

#include <cstdint>

constexpr int MessageTextBytes = 128;

// Every notice a screen or the loader can ask for; the values are the
// game's own codes. The window's notice table (app/notice.cpp) gives each
// its box and follow-up.
enum NoticeId : uint8_t {
  // What a fresh game holds and what the prison's day sets: no notice waits
  // (the value is the dinner's too; a code is only read when posted).
  NoticeNone = 0,
  NoticeNoDinnerMoney = 0,
  NoticeReport = 1,     // MessageText under "^_^"
  NoticeRefusal = 2,    // MessageText under "'_'"
  NoticeHire = 3,       // MessageText as a question; Yes hires
  NoticeDayReport = 4,  // no box: the evening's rules
  NoticeNoStaffForDinner = 5,
  NoticeProductionPlan = 6,  // Yes opens the production plan
  NoticeVictory = 7,
  NoticeNewGame = 8,    // Yes starts a new game
  NoticeLoadGame = 50,  // no box: loads the saved game
  NoticeSaveGame = 51,  // no box: saves the game
  NoticeNoCorpFile = 100,
  NoticeNoBankFile = 101,
  NoticeNoMainFile = 102,
  NoticeNoManFile = 200,  // "one of the files is missing"
  NoticeNotSupported = 201,
};

// The notice to show for the next WM_USER + 1; kept until the next notice.
extern uint8_t NoticeCode;
// Wansung text of the next message box; every formatted message fits in it.
extern char MessageText[MessageTextBytes];
