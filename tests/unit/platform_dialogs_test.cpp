// SPDX-License-Identifier: GPL-2.0-or-later
// The dialog rules every backend applies: places, font, focus, Enter and
// Escape, held texts, and the templates that do not run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog_rules.h"
#include "platform/headless/headless.h"

namespace {

const DialogControl Controls[] = {
    {-1, DialogStatic, "static", 10, 45, 60, 8, DialogAlignCentre, 0},
    {2, DialogButton, "Cancel", 80, 60, 40, 12, 0, 0},
    {7, DialogDefaultButton, "OK", 20, 60, 40, 12, 0, 0},
    {1000, DialogEdit, "0123456789", 10, 10, 120, 12, DialogBorder, 4},
    {1001, DialogEdit, "", 10, 30, 120, 12, DialogBorder, 0},
};
// Base units 8 x 16: x * 2 pixels, y * 2 pixels.
DialogTemplate Template() { return DialogTemplate{900, 30, 20, 140, 80, false, "", 10, 8, 16, Controls, 5}; }

TEST(PlatformDialogs, PlacesAndFontSize) {
  DialogTemplate t = Template();
  const DialogRect placed = DialogClientRect(&t, 640, 480, false);
  EXPECT_EQ(placed.x, 60);
  EXPECT_EQ(placed.y, 40);
  EXPECT_EQ(placed.width, 280);
  EXPECT_EQ(placed.height, 160);
  const DialogRect centred = DialogClientRect(&t, 640, 480, true);
  EXPECT_EQ(centred.x, 180);
  EXPECT_EQ(centred.y, 160);
  // Moved as a whole to keep the frame on the screen, and never larger.
  t.x = 300;
  t.y = -40;
  const DialogRect moved = DialogClientRect(&t, 640, 480, false);
  EXPECT_EQ(moved.x, 640 - 280 - DialogFrameBorder);
  EXPECT_EQ(moved.y, DialogFrameBorder);
  t.width = 1000;
  EXPECT_EQ(DialogClientRect(&t, 640, 480, false).width, 640 - 2 * DialogFrameBorder);
  EXPECT_EQ(DialogClientRect(&t, 640, 480, false).x, DialogFrameBorder);
  const DialogRect field = DialogControlRect(&t, 3);
  EXPECT_EQ(field.x, 20);
  EXPECT_EQ(field.y, 20);
  EXPECT_EQ(field.width, 240);
  EXPECT_EQ(field.height, 24);
  EXPECT_EQ(DialogFontPixels(&t), 14);
  t.baseUnitY = 40;
  EXPECT_EQ(DialogFontPixels(&t), 16);
  t.baseUnitY = 4;
  EXPECT_EQ(DialogFontPixels(&t), 11);
}

TEST(PlatformDialogs, FocusEnterAndEscape) {
  const DialogTemplate t = Template();
  EXPECT_EQ(DialogInitialFocus(&t), 3);
  EXPECT_EQ(DialogNextFocus(&t, 3, 1), 4);
  EXPECT_EQ(DialogNextFocus(&t, 4, 1), 1);  // around the end, past the static
  EXPECT_EQ(DialogNextFocus(&t, 1, -1), 4);
  EXPECT_EQ(DialogNextFocus(&t, -1, -1), 4);
  EXPECT_EQ(DialogEnterCommand(&t, 3), 7);  // a field: the default button's
  EXPECT_EQ(DialogEnterCommand(&t, 1), 2);  // a focused button: its own
  EXPECT_EQ(DialogShownDefault(&t, 1), 1);
  EXPECT_EQ(DialogShownDefault(&t, 3), 2);
  EXPECT_EQ(DialogCancelCommand, 2);
  const DialogTemplate buttons{901, 0, 0, 10, 10, true, "", 9, 6, 12, Controls, 2};
  EXPECT_EQ(DialogInitialFocus(&buttons), 1);  // no field, no default: the first button
  EXPECT_EQ(DialogDefaultCommand(&buttons), 1);
  EXPECT_EQ(DialogShownDefault(&buttons, 0), -1);
  const DialogTemplate none{902, 0, 0, 10, 10, true, "", 9, 6, 12, Controls, 1};
  EXPECT_EQ(DialogInitialFocus(&none), -1);
  EXPECT_EQ(DialogNextFocus(&none, -1, 1), -1);
}

TEST(PlatformDialogs, HeldTexts) {
  EXPECT_EQ(DialogHeldText(Controls[3], Controls[3].text), "0123");  // the field's limit
  EXPECT_EQ(DialogHeldText(Controls[4], std::string(300, 'a').c_str()).size(), 255u);
  EXPECT_EQ(DialogHeldText(Controls[0], std::string(5000, 'a').c_str()).size(), size_t(MaxDialogTextBytes));
  EXPECT_EQ(DialogHeldText(Controls[0], nullptr), "");
  EXPECT_EQ(DialogLabelUtf8(std::string(2000, 'a')).size(), size_t(MaxDialogLabelBytes));
  const DialogTemplate t = Template();
  EXPECT_EQ(DialogControlIndex(&t, 1001), 4);
  EXPECT_EQ(DialogControlIndex(&t, 4242), -1);
}

int Calls;
bool CountCalls(DialogWindow* dialog, DialogMessage, int) {
  ++Calls;
  PlatformEndDialog(dialog, 5);
  return true;
}

// A template no backend can show does not run; the limit is the same
// everywhere, so a dialog never runs with controls missing.
TEST(PlatformDialogs, BrokenTemplatesDoNotRun) {
  std::vector<DialogControl> many(256, DialogControl{-1, DialogStatic, "", 0, 0, 1, 1, 0, 0});
  DialogTemplate t{903, 0, 0, 10, 10, true, "", 9, 6, 12, many.data(), 256};
  HeadlessReset();
  Calls = 0;
  EXPECT_EQ(PlatformRunDialog(&t, CountCalls), -1);
  EXPECT_EQ(Calls, 0);
  EXPECT_TRUE(HeadlessFailed());
  t.controlCount = -1;
  EXPECT_FALSE(DialogTemplateRuns(&t, CountCalls));
  t.controls = nullptr;
  t.controlCount = 3;
  EXPECT_FALSE(DialogTemplateRuns(&t, CountCalls));
  EXPECT_FALSE(DialogTemplateRuns(nullptr, CountCalls));
  t.controls = many.data();
  t.controlCount = MaxDialogControls;
  EXPECT_FALSE(DialogTemplateRuns(&t, nullptr));
  HeadlessReset();
  EXPECT_EQ(PlatformRunDialog(&t, CountCalls), 5);
  EXPECT_EQ(Calls, 1);
  EXPECT_FALSE(HeadlessFailed());
}

}  // namespace
