// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/resources.h"

#include "dialogs/loan.h"
#include "dialogs/name_entry.h"
#include "dialogs/production_plan.h"
#include "screens/messages.h"

// Every dialog of the game, found by its template's id or by the message
// that opens it.
const DialogResource DialogResources[] = {
    {&NameEntryTemplate, NameEntryDialog, MsgNameDialog},
    {&ProductionPlanTemplate, ProductionPlanDialog, 0},  // after the notice that asks for it
    {&LoanTemplate, LoanDialog, MsgLoanDialog},
    {&RepayTemplate, RepayDialog, MsgRepayDialog},
    {nullptr, nullptr, 0},
};
