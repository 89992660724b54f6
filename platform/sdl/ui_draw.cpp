// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/sdl/ui_draw.h"

#include <SDL_ttf.h>

#include <cstring>
#include <string>

#include "platform/overlay_font.h"

namespace sdl_backend {

// NanumGothic first (the Korean font the game is packaged with), then any
// other that has Hangul. Without one, ASCII is drawn with the built-in font.
static const char* const FontFiles[] = {
    "/usr/share/fonts/truetype/nanum/NanumGothic.ttf",
    "/usr/share/fonts/truetype/nanum/NanumBarunGothic.ttf",
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "/usr/share/fonts/truetype/unifont/unifont.ttf",
};
static const char* const BoldFontFiles[] = {
    "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf",
    "/usr/share/fonts/truetype/nanum/NanumBarunGothicBold.ttf",
};

struct CachedFont {
  int pixels;
  bool bold;
  TTF_Font* font;
};
static CachedFont Fonts[16];
static int FontCount;
static bool TtfFailed;

static TTF_Font* OpenFirst(const char* const* files, int count, int pixels) {
  for (int i = 0; i < count; ++i) {
    if (TTF_Font* font = TTF_OpenFont(files[i], pixels)) return font;
  }
  return nullptr;
}

static TTF_Font* FontOf(int pixels, bool bold) {
  if (TtfFailed) return nullptr;
  if (!TTF_WasInit() && TTF_Init() != 0) {
    TtfFailed = true;
    return nullptr;
  }
  for (int i = 0; i < FontCount; ++i) {
    if (Fonts[i].pixels == pixels && Fonts[i].bold == bold) return Fonts[i].font;
  }
  TTF_Font* font = nullptr;
  if (bold) font = OpenFirst(BoldFontFiles, int(SDL_arraysize(BoldFontFiles)), pixels);
  if (!font) {
    font = OpenFirst(FontFiles, int(SDL_arraysize(FontFiles)), pixels);
    if (font && bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  }
  if (!font) {
    TtfFailed = true;
    return nullptr;
  }
  TTF_SetFontHinting(font, TTF_HINTING_NORMAL);
  if (FontCount == int(SDL_arraysize(Fonts))) {  // keep the newest; sizes rarely change
    TTF_CloseFont(Fonts[0].font);
    std::memmove(Fonts, Fonts + 1, sizeof Fonts - sizeof Fonts[0]);
    --FontCount;
  }
  Fonts[FontCount++] = CachedFont{pixels, bold, font};
  return font;
}

bool UiInside(const UiRect& r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; }

static SDL_Rect Scaled(const UiCanvas* canvas, UiRect r) {
  const int s = canvas->scale;
  return SDL_Rect{r.x * s, r.y * s, r.w * s, r.h * s};
}

static Uint32 Pixel(const UiCanvas* canvas, uint32_t rgb) {
  return SDL_MapRGB(canvas->surface->format, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb));
}

void UiFill(UiCanvas* canvas, UiRect r, uint32_t rgb) {
  if (r.w <= 0 || r.h <= 0) return;
  SDL_Rect rect = Scaled(canvas, r);
  SDL_FillRect(canvas->surface, &rect, Pixel(canvas, rgb));
}

// One logical pixel wide lines along the top and left, or bottom and right.
static void Edge(UiCanvas* canvas, UiRect r, uint32_t topLeft, uint32_t bottomRight) {
  UiFill(canvas, UiRect{r.x, r.y, r.w, 1}, topLeft);
  UiFill(canvas, UiRect{r.x, r.y, 1, r.h}, topLeft);
  UiFill(canvas, UiRect{r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
  UiFill(canvas, UiRect{r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
}

void UiBevel(UiCanvas* canvas, UiRect r, UiEdge edge) {
  UiRect inner{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
  using namespace UiColour;
  switch (edge) {
    case UiRaised:
      Edge(canvas, r, Light, Black);
      Edge(canvas, inner, White, Shadow);
      break;
    case UiButtonUp:
      Edge(canvas, r, White, Black);
      Edge(canvas, inner, Light, Shadow);
      break;
    case UiSunken:
      Edge(canvas, r, Shadow, White);
      Edge(canvas, inner, Black, Light);
      break;
    case UiButtonDown:
      UiOutline(canvas, r, Black);
      UiOutline(canvas, inner, Shadow);
      break;
  }
}

void UiOutline(UiCanvas* canvas, UiRect r, uint32_t rgb) { Edge(canvas, r, rgb, rgb); }

void UiDottedOutline(UiCanvas* canvas, UiRect r) {
  for (int x = r.x; x < r.x + r.w; x += 2) {
    UiFill(canvas, UiRect{x, r.y, 1, 1}, UiColour::Black);
    UiFill(canvas, UiRect{x, r.y + r.h - 1, 1, 1}, UiColour::Black);
  }
  for (int y = r.y; y < r.y + r.h; y += 2) {
    UiFill(canvas, UiRect{r.x, y, 1, 1}, UiColour::Black);
    UiFill(canvas, UiRect{r.x + r.w - 1, y, 1, 1}, UiColour::Black);
  }
}

void UiClip(UiCanvas* canvas, const UiRect* r) {
  if (!r) {
    SDL_SetClipRect(canvas->surface, nullptr);
    return;
  }
  SDL_Rect rect = Scaled(canvas, *r);
  SDL_SetClipRect(canvas->surface, &rect);
}

// The built-in 8x16 font stands in when no TrueType font can be had.
static int FallbackWidth(const char* utf8) {
  int count = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p; ++p) {
    if ((*p & 0xC0) != 0x80) ++count;
  }
  return count * 8;
}

static void FallbackText(UiCanvas* canvas, int x, int y, const char* utf8, uint32_t rgb) {
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p; ++p) {
    if ((*p & 0xC0) == 0x80) continue;
    const unsigned char c = (*p >= 0x20 && *p < 0x7F) ? *p : '?';
    for (int row = 0; row < 16; ++row) {
      for (int col = 0; col < 8; ++col) {
        if (OverlayFont[c - 0x20][row] & (0x80 >> col)) UiFill(canvas, UiRect{x + col, y + row, 1, 1}, rgb);
      }
    }
    x += 8;
  }
}

int UiTextWidth(int size, bool bold, const char* utf8) {
  if (!utf8 || !*utf8) return 0;
  TTF_Font* font = FontOf(size, bold);
  if (!font) return FallbackWidth(utf8);
  // Measured at 1x: layout is the same at every scale.
  int w = 0, h = 0;
  if (TTF_SizeUTF8(font, utf8, &w, &h) != 0) return 0;
  return w;
}

int UiLineHeight(int size, bool bold) {
  TTF_Font* font = FontOf(size, bold);
  return font ? TTF_FontHeight(font) : 16;
}

void UiText(UiCanvas* canvas, int x, int y, int size, bool bold, const char* utf8, uint32_t rgb) {
  if (!utf8 || !*utf8) return;
  const int s = canvas->scale;
  TTF_Font* font = FontOf(size * s, bold);
  if (!font) {
    FallbackText(canvas, x, y, utf8, rgb);
    return;
  }
  SDL_Color colour{Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb), 255};
  SDL_Surface* text = TTF_RenderUTF8_Blended(font, utf8, colour);
  if (!text) return;
  // A scaled font is a little wider or narrower than 1x times the scale;
  // centring on the 1x width keeps it inside what the layout measured.
  const int measured = UiTextWidth(size, bold, utf8) * s;
  SDL_Rect at{x * s + (measured - text->w) / 2, y * s, text->w, text->h};
  SDL_BlitSurface(text, nullptr, canvas->surface, &at);
  SDL_FreeSurface(text);
}

void UiStopIcon(UiCanvas* canvas, int x, int y) {
  // A red disc with a black rim and a white cross, drawn at the canvas's own
  // resolution so that it stays round when scaled.
  const int s = canvas->scale, size = 32 * s;
  SDL_Surface* surface = canvas->surface;
  const Uint32 red = Pixel(canvas, 0xFF0000), white = Pixel(canvas, 0xFFFFFF), black = Pixel(canvas, 0x000000);
  const double centre = size / 2.0 - 0.5, radius = size / 2.0 - 1, rim = 1.2 * s;
  const double half = 1.6 * s, arm = radius * 0.45;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const double dx = px - centre, dy = py - centre, d2 = dx * dx + dy * dy;
      if (d2 > radius * radius) continue;
      Uint32 colour = d2 > (radius - rim) * (radius - rim) ? black : red;
      const double a = (dx - dy) / 1.41421356, b = (dx + dy) / 1.41421356;
      const bool onCross =
          (a > -half && a < half && b > -arm && b < arm) || (b > -half && b < half && a > -arm && a < arm);
      if (onCross) colour = white;
      SDL_Rect dot{x * s + px, y * s + py, 1, 1};
      SDL_FillRect(surface, &dot, colour);
    }
  }
}

void UiButton(UiCanvas* canvas, UiRect r, const char* utf8, int size, bool isDefault, bool pressed, bool focused) {
  UiFill(canvas, r, UiColour::Face);
  UiRect face = r;
  if (isDefault || pressed) {
    UiOutline(canvas, r, UiColour::Black);
    face = UiRect{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
  }
  UiBevel(canvas, face, pressed ? UiButtonDown : UiButtonUp);
  const int shift = pressed ? 1 : 0;
  const int textWidth = UiTextWidth(size, false, utf8), textHeight = UiLineHeight(size, false);
  // Clipped at the button's sides only: the short buttons of old dialogs
  // are barely a line high.
  UiRect inside{face.x + 2, r.y, face.w - 4, r.h};
  UiClip(canvas, &inside);
  UiText(canvas, r.x + (r.w - textWidth) / 2 + shift, r.y + (r.h - textHeight) / 2 + shift, size, false, utf8,
         UiColour::Black);
  UiClip(canvas, nullptr);
  if (focused) UiDottedOutline(canvas, UiRect{face.x + 3, face.y + 3, face.w - 6, face.h - 6});
}

}  // namespace sdl_backend
