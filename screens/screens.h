// Every screen handler of the game.
#pragma once

void StartPictureScreen();
void MainMenuScreen();
void OfficeScreen();
void DayPassScreen();
void PrisonScreen();
