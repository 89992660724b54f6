// SDL's keys as the virtual-key codes of Windows, which the game compares.
#include "platform/sdl/sdl_internal.h"

namespace sdl_backend {

static int NamedKey(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: return 0;
  }
}

int VirtualKeyOf(const SDL_Keysym& key) {
  const SDL_Keycode sym = key.sym;
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + int(sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + int(sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) {
    // F10 is a system key to Windows, like Alt: the game never sees it.
    return sym == SDLK_F10 ? 0 : 112 + int(sym - SDLK_F1);
  }
  if (sym >= SDLK_F13 && sym <= SDLK_F24) return 124 + int(sym - SDLK_F13);
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return 97 + int(sym - SDLK_KP_1);
  if (sym == SDLK_KP_0) return 96;
  if (key.scancode == SDL_SCANCODE_LANG1) return 0x15;  // Hangul
  if (key.scancode == SDL_SCANCODE_LANG2) return 0x19;  // Hanja
  if (const int named = NamedKey(sym)) return named;
  // A layout without Latin letters still has the keys where they would be.
  if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z) return 'A' + int(key.scancode - SDL_SCANCODE_A);
  if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9) return '1' + int(key.scancode - SDL_SCANCODE_1);
  if (key.scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

}  // namespace sdl_backend
