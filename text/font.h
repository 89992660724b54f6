// The game's bitmap fonts and text drawing.
#pragma once

#include <cstdint>

extern uint8_t TextColour;  // 7 at start, 55 once the fonts are loaded
extern int16_t TextX;
extern int16_t TextY;

// 1 when both fonts were read, 0 otherwise; FontLoadError() then says which
// file and why.
int LoadFonts(const char* hanPath, const char* engPath);
const char* FontLoadError();
void FreeFonts();

void DrawText(uint8_t* frame, int x, int y, const char* text, uint8_t colour, uint8_t shadowColour);
void DrawTextPlain(uint8_t* frame, int x, int y, const char* text);
void DrawTextColoured(uint8_t* frame, int x, int y, const char* text);
