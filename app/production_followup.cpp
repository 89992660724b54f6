// SPDX-License-Identifier: GPL-2.0-or-later
// NoticeProductionPlan answered Yes: the production plan, then the day the
// planning screen already chose. The dialog lets the screens run again when
// it closes.
#include "app/notice_followups.h"
#include "dialogs/dialogs.h"
#include "screens/screen.h"
#include "screens/screens.h"

void ProductionPlanFollowUp() {
  RunDialogResource(110);
  CurrentScreen = DayPassScreen;
  ScreenEntry = 1;
}
