// SPDX-License-Identifier: GPL-2.0-or-later
#include <deque>

#include "screens/messages.h"

static std::deque<Message> Queue;

int32_t MakePositionParam(int32_t x, int32_t y) {
  return static_cast<int32_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

void PostGameMessage(uint32_t message, uint32_t wParam, int32_t lParam) {
  Queue.push_back(Message{message, wParam, lParam});
}

void PostQuitMessage(int exitCode) { PostGameMessage(WM_QUIT, static_cast<uint32_t>(exitCode), 0); }

bool TakeGameMessage(Message* message) {
  if (Queue.empty()) return false;
  *message = Queue.front();
  Queue.pop_front();
  return true;
}

bool GameMessagePending() { return !Queue.empty(); }

void ClearGameMessages() { Queue.clear(); }
