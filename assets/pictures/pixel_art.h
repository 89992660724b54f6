// SPDX-License-Identifier: GPL-2.0-or-later
// Pixel art written as text: one character a pixel, rows top to bottom.
// '.' is the transparent key, 'B' black, 'W' white, 'G' grey; lines starting
// with '#' are comments.
#pragma once

#include <string>

#include "assets/pictures/canvas.h"

bool ReadPixelArt(const char* path, int width, int height, Canvas* canvas, std::string* error);
