// SPDX-License-Identifier: GPL-2.0-or-later
// The window messages of the game, with the values Windows gives them, and
// the game's own message queue that carries them to WindowProc. It lives
// with the screens because they are what posts to it: the shell above only
// takes the messages.
#pragma once

#include <cstdint>

enum : uint32_t {
  WM_DESTROY = 0x0002,
  WM_CLOSE = 0x0010,
  WM_QUIT = 0x0012,
  WM_ACTIVATEAPP = 0x001C,
  WM_KEYDOWN = 0x0100,
  WM_CHAR = 0x0102,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONUP = 0x0202,
  WM_USER = 0x0400,
};

// The private messages that screens post to the game window.
enum : uint32_t {
  MsgNameDialog = WM_USER,       // dialog 101, name and company entry
  MsgNotice = WM_USER + 1,       // the notice for the current NoticeCode
  MsgLoanDialog = WM_USER + 3,   // dialog 105, loan
  MsgRepayDialog = WM_USER + 4,  // dialog 106, repayment
};

enum : int32_t {
  VK_RETURN = 13,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_F7 = 118,
  VK_F8 = 119,
  VK_F11 = 122,
  VK_F12 = 123,
};

struct Message {
  uint32_t message;
  uint32_t wParam;
  int32_t lParam;
};

// Packs a position into lParam as Windows does (low word x, high word y).
int32_t MakePositionParam(int32_t x, int32_t y);

void PostGameMessage(uint32_t message, uint32_t wParam = 0, int32_t lParam = 0);
void PostQuitMessage(int exitCode);
bool TakeGameMessage(Message* message);
bool GameMessagePending();
void ClearGameMessages();
