// SPDX-License-Identifier: GPL-2.0-or-later
// The text files that describe the starting world (data/corp.dat,
// data/main.dat, data/bank.dat, face/man.dat), the intro's timing
// (intro/intro.dat) and the status icons of the office.
#pragma once

#include <cstdint>

#include "world/notice_state.h"

constexpr int IconSide = 20;
constexpr int IconBytes = IconSide * IconSide;

extern uint8_t MoneyIcon[IconBytes];
extern uint8_t LoanIcon[IconBytes];
extern uint8_t DayIcon[IconBytes];

// Builds a new game's world from the four data files, in the order corp,
// main, bank, man; paths are relative to the working directory. First the
// player's typed names are converted to Johab (when PlayerNamesAreWansung).
// Returns 1 when all four were read: DayCount is then 1 and the status icons
// are loaded. Returns 0 at the first file that cannot be opened, with
// NoticeCode set to that file's notice (NoticeNoCorpFile, NoticeNoMainFile,
// NoticeNoBankFile, NoticeNoManFile) and what the earlier files gave kept in
// the tables. This layer posts nothing: the caller posts the notice
// (WM_USER + 1) on 0.
int LoadGameData();

// data/money.kxg, data/gugi.kxg, data/day.kxg into MoneyIcon, LoanIcon,
// DayIcon. A missing picture leaves its icon as it was.
void LoadStatusIcons();

// Reads an intro.dat: line 2 the number of pictures (kept in 8 bits), line 4
// the milliseconds each stays. False, with nothing written, when the file
// cannot be opened or read; the intro is then skipped.
bool ReadIntroData(const char* path, uint8_t* frames, int32_t* delay);

// The paths of the data files.
constexpr const char* CorpFilePath = "data/corp.dat";
constexpr const char* MainFilePath = "data/main.dat";
constexpr const char* BankFilePath = "data/bank.dat";
constexpr const char* ManFilePath = "face/man.dat";
constexpr const char* IntroFilePath = "intro/intro.dat";

// The limits of the readers: counts are cut to what the tables hold.
constexpr int32_t CorpCountLimit = 99;
constexpr int32_t ManCountLimit = 999;
constexpr int RivalNameBytes = 30;
constexpr int PersonNameBytes = 50;
