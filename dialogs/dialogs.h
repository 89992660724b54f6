// The game's modal dialogs: their templates (the resource script) and their
// procedures.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Opens the dialog a screen asked for with its private message (WM_USER name
// entry, WM_USER + 3 loan, WM_USER + 4 repayment); false when no dialog
// answers to the message.
bool OpenDialogFor(uint32_t message);

// The template as the platform runs it: its texts, held in UTF-8 by the
// resource script, in the current language and in Wansung. A template
// without controls is handed back as it is.
const DialogTemplate* DialogInLanguage(const DialogTemplate* source);

// Runs dialog resource `id` with its procedure; false when there is no such
// resource.
bool RunDialogResource(int id);
