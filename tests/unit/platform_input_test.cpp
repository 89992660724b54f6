// SPDX-License-Identifier: GPL-2.0-or-later
// Input as the backends that gather it hand it to the game: the shared
// queue, the virtual-key table and the letterbox.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/event_queue.h"
#include "platform/letterbox.h"
#include "platform/virtual_keys.h"

namespace {

std::vector<PlatformEvent> Drain() {
  std::vector<PlatformEvent> events;
  PlatformEvent e;
  while (TakeGameEvent(&e)) events.push_back(e);
  return events;
}

TEST(PlatformInput, QueueMergesMovesAndKeepsTheNewest) {
  ResetGameEvents();
  QueueInitialActivation();
  QueueActivation(true);  // no change, no event
  QueuePointer(PlatformEventMouseMove, 1, 1);
  QueuePointer(PlatformEventMouseMove, 2, 2);  // merges into the waiting move
  QueuePointer(PlatformEventMouseMove, 2, 2);  // not moved
  QueuePointer(PlatformEventLeftButtonUp, 5, 6);
  std::vector<PlatformEvent> events = Drain();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].type, PlatformEventActivate);
  EXPECT_EQ(events[1].type, PlatformEventMouseMove);
  EXPECT_EQ(events[1].x, 5);  // the move before the release at a new place merged too
  EXPECT_EQ(events[2].type, PlatformEventLeftButtonUp);
  ForgetPointerPlace();
  QueuePointer(PlatformEventMouseMove, 5, 6);
  EXPECT_EQ(Drain().size(), 1u);

  for (int i = 0; i < GameEventQueueSize + 10; ++i) QueueGameEvent(PlatformEvent{PlatformEventKeyDown, 0, 0, i, 0});
  events = Drain();
  ASSERT_EQ(events.size(), size_t(GameEventQueueSize));
  EXPECT_EQ(events.front().key, 10);  // the oldest were dropped
  EXPECT_FALSE(GameEventWaiting());
  ResetGameEvents();
}

TEST(PlatformInput, VirtualKeys) {
  EXPECT_EQ(VirtualKeyOfKeyName("KeyA"), 'A');
  EXPECT_EQ(VirtualKeyOfKeyName("Digit0"), '0');
  EXPECT_EQ(VirtualKeyOfKeyName("Numpad7"), 103);
  EXPECT_EQ(VirtualKeyOfKeyName("F12"), 123);
  EXPECT_EQ(VirtualKeyOfKeyName("F10"), 0);  // a system key
  EXPECT_EQ(VirtualKeyOfKeyName("F24"), 135);
  EXPECT_EQ(VirtualKeyOfKeyName("NumpadEnter"), 13);
  EXPECT_EQ(VirtualKeyOfKeyName("HangulMode"), 0x15);
  EXPECT_EQ(VirtualKeyOfKeyName("AltLeft"), 0);
  EXPECT_EQ(VirtualKeyOfKeyName(""), 0);
  EXPECT_EQ(VirtualKeyOfCharacter('z'), 'Z');
  EXPECT_EQ(VirtualKeyOfCharacter('\r'), 13);
  EXPECT_EQ(VirtualKeyOfCharacter(127), 46);
  EXPECT_EQ(VirtualKeyOfCharacter('\''), 222);
  EXPECT_EQ(VirtualKeyOfCharacter(0xE4), 0);
  EXPECT_TRUE(IsLetterOrDigitUsage(0x27));
  EXPECT_FALSE(IsLetterOrDigitUsage(0x28));
  // Every name reads back as its own key.
  int names = 0;
  for (std::string name = KeyNameAt(0); !name.empty(); name = KeyNameAt(++names)) {
    EXPECT_EQ(VirtualKeyOfKeyName(name), VirtualKeyOfUsage(UsageOfKeyName(name))) << name;
    EXPECT_NE(UsageOfKeyName(name), 0) << name;
  }
  EXPECT_GT(names, 100);
}

TEST(PlatformInput, Letterbox) {
  Letterbox b = FitPicture(1280, 960, 640, 480);
  EXPECT_EQ(b.scale, 2);
  EXPECT_EQ(b.x, 0);
  b = FitPicture(1920, 1080, 640, 480);
  EXPECT_EQ(b.scale, 2);
  EXPECT_EQ(b.x, 320);
  EXPECT_EQ(b.y, 60);
  b = FitPicture(600, 400, 640, 480);
  EXPECT_EQ(b.scale, 0);
  EXPECT_EQ(b.width, 533);
  EXPECT_EQ(b.x, 33);
  int x = 0, y = 0;
  b = FitPicture(1920, 1080, 640, 480);
  EXPECT_TRUE(LetterboxToLogical(b, 640, 480, 1599, 1019, &x, &y));
  EXPECT_EQ(x, 639);
  EXPECT_EQ(y, 479);
  EXPECT_FALSE(LetterboxToLogical(b, 640, 480, 10, 5, &x, &y));  // the bars clamp to the edge
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_FALSE(LetterboxToLogical(FitPicture(0, 0, 640, 480), 640, 480, 5, 5, &x, &y));
  b = FillPicture(1920, 1080, 640, 480);
  EXPECT_EQ(b.scale, 3);
  EXPECT_EQ(b.width, 1440);
  EXPECT_EQ(b.x, 240);
  b = FillPicture(1280, 1024, 640, 480);
  EXPECT_EQ(b.scale, 2);
  EXPECT_EQ(b.y, 32);
  EXPECT_EQ(FillPicture(320, 200, 640, 480).scale, 1);
}

}  // namespace
