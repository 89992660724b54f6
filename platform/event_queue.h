// SPDX-License-Identifier: GPL-2.0-or-later
// The game's input queue for the backends that gather input themselves (the
// desktop's and the browser's; the headless backend hands over its script's
// events exactly as written). One queue per process.
#pragma once

#include "platform/platform.h"

// A stalled game loses its oldest input, never memory.
constexpr int GameEventQueueSize = 256;

// Queues an event; like window messages, a move merges into a move waiting
// last in the queue.
void QueueGameEvent(const PlatformEvent& event);
// The pointer at (x, y) in game pixels: a move only when it moved; a release
// somewhere new is preceded by a move there.
void QueuePointer(PlatformEventType type, int x, int y);
// The next QueuePointer of a move is sent even to the place last sent (after
// a modal loop, whose movement the game did not see).
void ForgetPointerPlace();
// Activation when it changes.
void QueueActivation(bool active);
// The game draws nothing until it has been activated, and a window system
// (or a page) may never report focus: a new window counts as activated.
void QueueInitialActivation();

bool GameEventWaiting();
bool TakeGameEvent(PlatformEvent* event);
// Empties the queue and forgets the pointer and the activation.
void ResetGameEvents();
