#include "dialogs/resources.h"

#include "dialogs/loan.h"
#include "dialogs/name_entry.h"
#include "dialogs/production_plan.h"

// Every dialog of the game, found by its template's id.
const DialogResource DialogResources[] = {
    {&NameEntryTemplate, NameEntryDialog},
    {&ProductionPlanTemplate, ProductionPlanDialog},
    {&LoanTemplate, LoanDialog},
    {&RepayTemplate, RepayDialog},
    {nullptr, nullptr},
};
