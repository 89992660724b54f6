// SPDX-License-Identifier: GPL-2.0-or-later
// One game per browser at a time: a Web Lock held for the page's life, as
// the desktop build holds a file lock for its process's.
#include <emscripten/emscripten.h>

#include "platform/platform.h"

EM_ASYNC_JS(int, web_claim_lock, (), { return (await KXS.claimSingleInstance()) ? 1 : 0; });

bool PlatformClaimSingleInstance() {
  static bool claimed;
  if (!claimed) claimed = web_claim_lock() != 0;
  return claimed;
}
