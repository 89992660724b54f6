// SPDX-License-Identifier: GPL-2.0-or-later
// Every screen handler of the game. The one list below declares them and
// names them for logs and replay scripts (screen_registry.cpp): a new
// screen is one line here and its file.
#pragma once

#define KXS_SCREENS(X)  \
  X(StartPictureScreen) \
  X(MainMenuScreen)     \
  X(IntroScreen)        \
  X(NewGameScreen)      \
  X(OfficeScreen)       \
  X(CommandMenuScreen)  \
  X(ContractListScreen) \
  X(NegotiationScreen)  \
  X(PlanningScreen)     \
  X(PersonnelScreen)    \
  X(DinnerScreen)       \
  X(DayPassScreen)      \
  X(PrisonScreen)       \
  X(TownMapScreen)      \
  X(WalkScreen)         \
  X(JobAgencyScreen)    \
  X(BankScreen)         \
  X(RankingScreen)      \
  X(VictoryScreen)      \
  X(DonationScreen)

#define KXS_DECLARE_SCREEN(name) void name();
KXS_SCREENS(KXS_DECLARE_SCREEN)
#undef KXS_DECLARE_SCREEN
