// SPDX-License-Identifier: GPL-2.0-or-later
// SDL's keys as the virtual-key codes of Windows, which the game compares:
// SDL's keycode of a printable key is the character it types, any other's is
// its scancode, a USB usage, as the shared table takes them.
#include "platform/sdl/sdl_internal.h"
#include "platform/virtual_keys.h"

namespace sdl_backend {

int VirtualKeyOf(const SDL_Keysym& key) {
  const int byKeycode = (key.sym & SDLK_SCANCODE_MASK) ? VirtualKeyOfUsage(int(key.sym & ~SDLK_SCANCODE_MASK))
                                                       : VirtualKeyOfCharacter(int(key.sym));
  if (byKeycode != 0) return byKeycode;
  // A layout without Latin letters still has the keys where they would be,
  // and the Korean keys are known by their place.
  const int usage = int(key.scancode);
  if (IsLetterOrDigitUsage(usage) || usage == SDL_SCANCODE_LANG1 || usage == SDL_SCANCODE_LANG2) {
    return VirtualKeyOfUsage(usage);
  }
  return 0;
}

}  // namespace sdl_backend
