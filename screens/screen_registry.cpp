#include <cstring>

#include "screens/screen.h"
#include "screens/screens.h"

namespace {

struct ScreenEntryName {
  ScreenHandler handler;
  const char* name;
};

// Every screen, by the name logs and replay scripts use.
const ScreenEntryName ScreenNames[] = {
    {StartPictureScreen, "StartPictureScreen"},
    {MainMenuScreen, "MainMenuScreen"},
    {IntroScreen, "IntroScreen"},
    {NewGameScreen, "NewGameScreen"},
    {OfficeScreen, "OfficeScreen"},
    {CommandMenuScreen, "CommandMenuScreen"},
    {ContractListScreen, "ContractListScreen"},
    {NegotiationScreen, "NegotiationScreen"},
    {PlanningScreen, "PlanningScreen"},
    {PersonnelScreen, "PersonnelScreen"},
    {DinnerScreen, "DinnerScreen"},
    {DayPassScreen, "DayPassScreen"},
    {PrisonScreen, "PrisonScreen"},
    {TownMapScreen, "TownMapScreen"},
    {WalkScreen, "WalkScreen"},
    {JobAgencyScreen, "JobAgencyScreen"},
    {BankScreen, "BankScreen"},
    {RankingScreen, "RankingScreen"},
    {VictoryScreen, "VictoryScreen"},
    {DonationScreen, "DonationScreen"},
};

}  // namespace

const char* ScreenName(ScreenHandler handler) {
  for (const ScreenEntryName& entry : ScreenNames) {
    if (entry.handler == handler) return entry.name;
  }
  return "?";
}

ScreenHandler ScreenByName(const char* name) {
  for (const ScreenEntryName& entry : ScreenNames) {
    if (std::strcmp(entry.name, name) == 0) return entry.handler;
  }
  return nullptr;
}
