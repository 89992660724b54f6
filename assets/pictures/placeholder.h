// SPDX-License-Identifier: GPL-2.0-or-later
// Placeholder pictures: plain labelled panels drawn from the picture table,
// with every place of the screen marked where the game expects it, so the
// game can be played and its layout checked before the finished art exists.
#pragma once

#include <vector>

#include "assets/pictures/canvas.h"
#include "assets/pictures/picture_table.h"

// The placeholder of p; the buttons whose rectangles are listed in pressed
// are drawn in their pressed (highlighted) look, everything else identical.
Canvas RenderPlaceholder(const PictureEntry& p, const std::vector<PictureEntry>& table,
                         const std::vector<TableRect>& pressed);
// A pressed twin: each of its rows is cut from its normal picture drawn with
// that one button pressed, so both line up pixel for pixel.
Canvas RenderTwin(const PictureEntry& p, const std::vector<PictureEntry>& table);
// One frame of the walking figure, transparent around it.
Canvas RenderWalker(const PictureEntry& p);
