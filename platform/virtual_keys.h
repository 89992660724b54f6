// SPDX-License-Identifier: GPL-2.0-or-later
// Keys as the Windows virtual-key codes the game compares, for the backends
// that read keys of another kind: by their place (a USB usage of the
// keyboard page, which SDL's scancodes are), by the character a key types
// on a US layout (SDL's keycodes of printable keys), or by the browser's
// name of the place (KeyboardEvent.code). 0: a key the game never sees.
#pragma once

#include <string>

int VirtualKeyOfUsage(int usage);
int VirtualKeyOfCharacter(int character);
int VirtualKeyOfKeyName(const std::string& name);
// The usage a key name stands for (0 for none), and the names there are,
// one at a time: index 0, 1, ... until an empty name.
int UsageOfKeyName(const std::string& name);
std::string KeyNameAt(int index);
// A letter or a digit: the keys a layout without Latin letters still has
// where they would be.
bool IsLetterOrDigitUsage(int usage);
