// SPDX-License-Identifier: GPL-2.0-or-later
// The name and company entry dialog (resource 101), opened for every new
// game: the player's name and the company's name, typed as Wansung.
#pragma once

#include "platform/platform.h"

extern const DialogTemplate NameEntryTemplate;

// Control ids of the template.
constexpr int NameEntryPresidentField = 1000;
constexpr int NameEntryCompanyField = 1001;
// Each field holds at most this many bytes of text (the records keep a
// terminating zero after it).
constexpr int NameEntryMaxBytes = 49;

bool NameEntryDialog(DialogWindow* dialog, DialogMessage message, int id);
