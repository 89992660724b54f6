// Resource 110, the production plan, and its procedure. Sizes are dialog
// units; the base units are those of the System font (8 x 16 pixels), so
// the dialog is 254 x 130 pixels, centred.
#include "dialogs/production_plan.h"

#include <cctype>

#include "gfx/display.h"
#include "screens/screen.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/utf8.h"

namespace {

const DialogControl ProductionPlanControls[] = {
    // A way out beside OK: the field opens with 0, which OK refuses, and
    // Escape is nowhere to be seen.
    {1, DialogDefaultButton, TrMark("OK"), 12, 45, 49, 13, DialogAlignCentre | DialogTabStop, 0},
    {2, DialogButton, TrMark("취소"), 66, 45, 49, 13, DialogAlignCentre | DialogTabStop, 0},
    {-1, DialogStatic, TrMark("제작 계획서"), 7, 7, 113, 12, DialogAlignCentre, 0},
    {PlanDaysField, DialogEdit, "0", 70, 24, 47, 13, DialogBorder | DialogTabStop, PlanBufferBytes - 1},
    {-1, DialogStatic, TrMark("제작 일정(날짜)"), 7, 26, 55, 10, DialogAlignLeft, 0},
};

void Close(DialogWindow* dialog) {
  PlatformEndDialog(dialog, 1);
  ShowCursor(false);
  ScreenRunning = 1;
}

// An empty field starts nothing; a number outside the plans that can run is
// refused and the dialog stays open for another.
bool Confirm(DialogWindow* dialog) {
  char text[PlanBufferBytes] = {};
  PlatformGetDialogText(dialog, PlanDaysField, text, PlanBufferBytes);
  if (text[0] == '\0') {
    Close(dialog);
    return true;
  }
  int16_t days = 0;
  if (!ReadPlanDays(text, &days)) {
    PlatformMessageBox(WansungText(Tr(u8"제작 일정은 1일에서 32767일까지 정할 수 있습니다")), WansungText(Tr(u8"알림")),
                       BoxOk | BoxIconStop);
    return true;
  }
  StartProduction(days);
  Close(dialog);
  return true;
}

}  // namespace

const DialogTemplate ProductionPlanTemplate = {
    110, 0, 0, 127, 65, true, "System", 10, 8, 16,
    ProductionPlanControls, static_cast<int>(sizeof ProductionPlanControls / sizeof ProductionPlanControls[0]),
};

bool ReadPlanDays(const char* text, int16_t* days) {
  const unsigned char* c = reinterpret_cast<const unsigned char*>(text);
  while (std::isspace(*c)) ++c;
  bool negative = false;
  if (*c == '+' || *c == '-') negative = *c++ == '-';
  if (!std::isdigit(*c)) return false;
  // Counting stops once the value is past the range: no overflow however
  // many digits follow.
  int32_t value = 0;
  for (; std::isdigit(*c); ++c) {
    if (value <= PlanDaysMost) value = value * 10 + (*c - '0');
  }
  if (negative) value = -value;
  if (value < PlanDaysLeast || value > PlanDaysMost) return false;
  *days = static_cast<int16_t>(value);
  return true;
}

bool ProductionPlanDialog(DialogWindow* dialog, DialogMessage message, int id) {
  if (message == DialogInit) {
    ShowCursor(true);
    Display->FlipToGdi();
    PlatformSetDialogText(dialog, PlanDaysField, "0");
    return true;
  }
  if (message != DialogCommand) return false;
  if (id == 1) return Confirm(dialog);
  if (id == 2) {
    Close(dialog);
    return true;
  }
  return false;
}
