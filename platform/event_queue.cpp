// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/event_queue.h"

namespace {

PlatformEvent Queue[GameEventQueueSize];
int Head, Count;
bool Active;
int PointerX = -1, PointerY = -1;

}  // namespace

void QueueGameEvent(const PlatformEvent& event) {
  if (Count > 0 && event.type == PlatformEventMouseMove) {
    PlatformEvent& last = Queue[(Head + Count - 1) % GameEventQueueSize];
    if (last.type == PlatformEventMouseMove) {
      last = event;
      return;
    }
  }
  if (Count == GameEventQueueSize) {
    Head = (Head + 1) % GameEventQueueSize;
    --Count;
  }
  Queue[(Head + Count) % GameEventQueueSize] = event;
  ++Count;
}

void QueuePointer(PlatformEventType type, int x, int y) {
  if (type == PlatformEventMouseMove && x == PointerX && y == PointerY) return;
  if (type == PlatformEventLeftButtonUp && (x != PointerX || y != PointerY)) QueuePointer(PlatformEventMouseMove, x, y);
  PointerX = x;
  PointerY = y;
  QueueGameEvent(PlatformEvent{type, x, y, 0, 0});
}

void ForgetPointerPlace() { PointerX = PointerY = -1; }

void QueueActivation(bool active) {
  if (active == Active) return;
  Active = active;
  QueueGameEvent(PlatformEvent{PlatformEventActivate, 0, 0, 0, active ? 1 : 0});
}

void QueueInitialActivation() {
  Active = false;
  QueueActivation(true);
}

bool GameEventWaiting() { return Count > 0; }

bool TakeGameEvent(PlatformEvent* event) {
  if (Count == 0 || !event) return false;
  *event = Queue[Head];
  Head = (Head + 1) % GameEventQueueSize;
  --Count;
  return true;
}

void ResetGameEvents() {
  Head = Count = 0;
  Active = false;
  ForgetPointerPlace();
}
