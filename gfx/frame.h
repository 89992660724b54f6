// SPDX-License-Identifier: GPL-2.0-or-later
// Frame buffers, the drawing primitives and the software cursor. All drawing
// happens in system memory in 8-bit palette indices; a FrameBuffer is a full
// 640x480 screen with row stride 640, smaller images are packed (stride =
// width).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int FrameWidth = 640;
constexpr int FrameHeight = 480;
constexpr int FrameBytes = FrameWidth * FrameHeight;  // 307200
constexpr int PaletteBytes = 768;
constexpr uint8_t TransparentKey = 255;

extern uint8_t BaseFrame[FrameBytes];
extern uint8_t ComposeFrame[FrameBytes];
extern uint8_t ScratchFrame[FrameBytes];
extern uint8_t GamePalette[PaletteBytes];

void FillBytes(uint8_t* destination, uint8_t value, int32_t count);
void CopyDwords(uint8_t* destination, const uint8_t* source, int32_t dwordCount);

// Rectangles are inclusive corners. The part of a rectangle outside the frame
// is clipped away; the packed image keeps the full rectangle's width as its
// stride, so the pixels that remain are the ones that would be there unclipped.
void SaveRect(const uint8_t* frame, int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t* packed);
void PutRect(uint8_t* frame, int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t* packed);
void PutRectKeyed(uint8_t* frame, int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t* packed, uint8_t key);

// The software cursor. The mouse position lives here because the cursor is
// drawn at it; the window procedure writes it.
extern int32_t MouseX;
extern int32_t MouseY;
extern uint8_t CursorImage[256];
extern uint8_t CursorKey;
extern int32_t CursorLimitX;
extern int32_t CursorLimitY;
extern uint8_t CursorEnabled;

void SetCursorImage(const uint8_t* image, int32_t limitX, int32_t limitY, uint8_t key);
void DrawCursor(uint8_t* frame);
