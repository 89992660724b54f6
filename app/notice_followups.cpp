#include "app/notice_followups.h"

#include "app/save_game.h"
#include "screens/screen.h"

void VictoryFollowUp() { PlaySoundFile("sound/yes.wav"); }

void LoadGameFollowUp() { LoadGame(); }

void SaveGameFollowUp() { SaveGame(); }
