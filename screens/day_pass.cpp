// A day passes: the rivals' trading, the player's day and the month end.
#include "screens/screen.h"
#include "screens/screens.h"

void DayPassScreen() { SwitchScreen(OfficeScreen); }
