#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

void PlatformShowPointer(bool visible) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

// The desktop points with a mouse; SDL's touch arrives as one.
bool PlatformPointerIsTouch() { return false; }
