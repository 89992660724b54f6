// The end of a player who could not pay back the bank.
#include "screens/screen.h"
#include "screens/screens.h"

void PrisonScreen() { SwitchScreen(OfficeScreen); }
