// The resource script: every dialog template with the procedure that runs it.
#pragma once

#include "platform/platform.h"

struct DialogResource {
  const DialogTemplate* dialogTemplate;
  DialogProcedure procedure;
};

// Ends with an entry whose template is null.
extern const DialogResource DialogResources[];
