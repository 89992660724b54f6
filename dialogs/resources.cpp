#include "dialogs/resources.h"

#include "dialogs/loan.h"
#include "dialogs/name_entry.h"

// The dialogs join this list as their screens are built.
const DialogResource DialogResources[] = {
    {&NameEntryTemplate, NameEntryDialog},
    {&LoanTemplate, LoanDialog},
    {&RepayTemplate, RepayDialog},
    {nullptr, nullptr},
};
