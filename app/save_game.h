// The one saved game, cur/kxs.sav: the follow-ups of NoticeSaveGame and
// NoticeLoadGame. Both report in message boxes of their own.
#pragma once

constexpr const char* SaveFilePath = "cur/kxs.sav";

// Writes the world to the save file through a temporary file, so that a
// failed save leaves the previous one as it was.
void SaveGame();
// Reads the save file and continues in the office. A file that is missing,
// unreadable or not a whole save of this game changes nothing.
void LoadGame();
