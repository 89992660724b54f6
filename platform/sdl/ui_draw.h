// SPDX-License-Identifier: GPL-2.0-or-later
// Drawing of boxes and dialogs in the look of the game's era: grey faces,
// bevelled edges, a navy title bar, text from a Korean TrueType font. All
// coordinates are logical pixels; the canvas may hold them at a larger scale.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace sdl_backend {

struct UiCanvas {
  SDL_Surface* surface;
  int scale;
};

struct UiRect {
  int x, y, w, h;
};

namespace UiColour {
const uint32_t Face = 0xC0C0C0, Light = 0xDFDFDF, White = 0xFFFFFF, Shadow = 0x808080, Black = 0x000000,
               Title = 0x000080, Selection = 0x000080, Disabled = 0x808080;
}

enum UiEdge { UiRaised, UiSunken, UiButtonUp, UiButtonDown };

bool UiInside(const UiRect& r, int x, int y);

void UiFill(UiCanvas* canvas, UiRect r, uint32_t rgb);
// A 2-pixel bevel on the border of r.
void UiBevel(UiCanvas* canvas, UiRect r, UiEdge edge);
void UiOutline(UiCanvas* canvas, UiRect r, uint32_t rgb);
void UiDottedOutline(UiCanvas* canvas, UiRect r);
// Limits drawing to r (nullptr: the whole canvas).
void UiClip(UiCanvas* canvas, const UiRect* r);

// Text in UTF-8, one line; size is the font's pixel height at 1x.
int UiTextWidth(int size, bool bold, const char* utf8);
int UiLineHeight(int size, bool bold);
void UiText(UiCanvas* canvas, int x, int y, int size, bool bold, const char* utf8, uint32_t rgb);

// A push button with its label centred; the default one has a black frame,
// a pressed one is sunken with its label moved by a pixel, the focused one
// has a dotted frame inside.
void UiButton(UiCanvas* canvas, UiRect r, const char* utf8, int size, bool isDefault, bool pressed, bool focused);

// The stop sign of error boxes, 32x32.
void UiStopIcon(UiCanvas* canvas, int x, int y);

}  // namespace sdl_backend
