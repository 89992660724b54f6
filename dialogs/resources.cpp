#include "dialogs/resources.h"

#include "dialogs/loan.h"
#include "dialogs/name_entry.h"
#include "dialogs/production_plan.h"

// The dialogs join this list as their screens are built.
const DialogResource DialogResources[] = {
    {&NameEntryTemplate, NameEntryDialog},
    {&ProductionPlanTemplate, ProductionPlanDialog},
    {&LoanTemplate, LoanDialog},
    {&RepayTemplate, RepayDialog},
    {nullptr, nullptr},
};
