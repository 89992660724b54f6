// SPDX-License-Identifier: GPL-2.0-or-later
// The title's main menu: new game, load game, an item not supported yet, quit.
#pragma once

// Loads data/mainmenu.kxg with its palette into BaseFrame and the four
// highlights into their places in ComposeFrame, and sets the palette.
void LoadMainMenuPictures();

// The item under (x, y): 1..4, or 0 for none.
int MainMenuItemAt(int x, int y);

// Item 1: the intro when intro/intro.dat can be read, else straight to the
// name dialog and the start screen.
void StartNewGame();

// Asks for the name dialog over the picture shown last and makes the start
// screen (data/first.kxg) current; the dialog opens before the next frame.
void RequestNameEntry();
