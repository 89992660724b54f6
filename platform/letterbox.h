// SPDX-License-Identifier: GPL-2.0-or-later
// Where a logical picture lands in a drawable of another size: the largest
// whole-number scale that fits, centred; when even 1x does not fit, the
// largest rectangle of the picture's proportions. For the backends that
// scale the picture into a window themselves.
#pragma once

struct Letterbox {
  int x, y, width, height;
  int scale;  // whole-number scale, 0 when the picture is shrunk
};

Letterbox FitPicture(int outputWidth, int outputHeight, int logicalWidth, int logicalHeight);
// The largest rectangle of the picture's proportions, centred; scale is the
// whole scale at or above it, at which the picture is drawn before it is
// smoothed down (1 when the picture is shrunk).
Letterbox FillPicture(int outputWidth, int outputHeight, int logicalWidth, int logicalHeight);

// A drawable pixel to a logical pixel. False when the point lies on the bars
// (or outside); the result is then clamped to the picture.
bool LetterboxToLogical(const Letterbox& box, int logicalWidth, int logicalHeight, int px, int py, int* x, int* y);

// The largest whole scale of the picture, up to limit, whose window leaves
// a tenth of the desktop's usable area free each way; at least 1.
int LargestWindowScale(int usableWidth, int usableHeight, int logicalWidth, int logicalHeight, int limit);
