// SPDX-License-Identifier: GPL-2.0-or-later
// The resource script: every dialog template with the procedure that runs it.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct DialogResource {
  const DialogTemplate* dialogTemplate;
  DialogProcedure procedure;
  uint32_t message;  // the private message a screen opens it with, or 0
};

// Ends with an entry whose template is null.
extern const DialogResource DialogResources[];
