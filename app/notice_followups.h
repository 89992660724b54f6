// The follow-ups of the notices, one per code that has one.
#pragma once

void VictoryFollowUp();   // 7: the fanfare's answer after the box
void LoadGameFollowUp();  // 50
void SaveGameFollowUp();  // 51
