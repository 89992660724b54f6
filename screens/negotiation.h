// SPDX-License-Identifier: GPL-2.0-or-later
// The negotiation over a confirmed offer: six pictures of 800 ms over the
// office, then a draw against the company's bid odds.
#pragma once

#include <cstdint>

constexpr int NegotiationPictures = 6;
constexpr int32_t NegotiationPictureDelay = 800;
// Where the pictures are laid over the office: 220 x 90 pixels.
constexpr int16_t NegotiationLeft = 210;
constexpr int16_t NegotiationTop = 195;
constexpr int16_t NegotiationRight = 429;
constexpr int16_t NegotiationBottom = 284;
