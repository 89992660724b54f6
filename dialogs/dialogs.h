// The game's modal dialogs: their templates (the resource script) and their
// procedures.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Opens the dialog a screen asked for with its private message (WM_USER name
// entry, WM_USER + 3 loan, WM_USER + 4 repayment); false when no dialog
// answers to the message.
bool OpenDialogFor(uint32_t message);

// Runs dialog resource `id` with its procedure; false when there is no such
// resource.
bool RunDialogResource(int id);
