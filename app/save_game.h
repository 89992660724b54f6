// The one saved game, cur/kxs.sav: the follow-ups of NoticeSaveGame and
// NoticeLoadGame. Both report in message boxes of their own.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr const char* SaveFilePath = "cur/kxs.sav";

// Writes the world to the save file through a temporary file, so that a
// failed save leaves the previous one as it was.
void SaveGame();
// Reads the save file and continues in the office. A file that is missing,
// unreadable or not a whole save of this game changes nothing.
void LoadGame();
// Whether bytes are a save file that LoadGame would take, by its own checks
// of size and layout; nothing in the game changes. The browser asks it of a
// file the player brings in before that file replaces the stored one.
bool SaveFileWouldLoad(const uint8_t* bytes, size_t size);
