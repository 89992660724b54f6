// Every screen handler of the game.
#pragma once

void StartPictureScreen();
void MainMenuScreen();
void IntroScreen();
void NewGameScreen();
void OfficeScreen();
void CommandMenuScreen();
void ContractListScreen();
void NegotiationScreen();
void PlanningScreen();
void PersonnelScreen();
void DinnerScreen();
void DayPassScreen();
void PrisonScreen();
void TownMapScreen();
void WalkScreen();
void JobAgencyScreen();
void BankScreen();
void RankingScreen();
void VictoryScreen();
void DonationScreen();
