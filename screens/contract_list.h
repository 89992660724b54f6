// SPDX-License-Identifier: GPL-2.0-or-later
// The contract market: this visit's offers (BuildOffers, sim/), a list to
// pick one from, and the negotiation that decides it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/world.h"

// The list's geometry: offer i is drawn at y 80 + 20 i, clickable in x 0..479.
constexpr int OfferListTop = 80;
constexpr int OfferRowHeight = 20;
constexpr int OfferListRight = 479;

// The list line of one offer (Johab).
void FormatOfferLine(const ContractOffer& offer, char* text, size_t size);
// The offer row under (x, y), or -1.
int OfferRowAt(int32_t x, int32_t y);

// The list's colours; every line has the same shadow.
constexpr uint8_t OfferHeaderColour = 76;
constexpr uint8_t OfferColour = 63;
constexpr uint8_t NoOfferColour = 120;
constexpr uint8_t OfferShadowColour = 0;
