// SPDX-License-Identifier: GPL-2.0-or-later
// Where the game's files are on this machine, and writing them durably.
// The game names its files as the data tree names them ("data/han.fnt",
// "cur/kxs.sav"); every open of a game file goes through PlatformFilePath.
// Until a program sets roots, each name stands for itself, relative to the
// working directory, as in the original tree. Shared by every backend.
#pragma once

#include <cstdio>
#include <string>

// dataRoot: the folder of the data tree ("" or nullptr: the working
// directory). playerRoot: the folder of the player's own files, the save
// ("" or nullptr: the data tree's cur/, as in the original).
void PlatformSetFileRoots(const char* dataRoot, const char* playerRoot);

// A folder of the data tree ("en") whose files stand in for the tree's own
// where it has them: the pictures and world of a language. The player's
// files are never looked for there. "" or nullptr: none, as at start.
void PlatformSetDataOverlay(const char* folder);

// The path to open for a game file name. Absolute names stay as they are.
std::string PlatformFilePath(const char* gameName);

// fopen for a game file: only a regular file opens. A folder, pipe, device
// or socket under the name is refused as a missing file is (nullptr, errno
// ENOENT), never waited on. Every read of a game file opens it here.
std::FILE* PlatformOpenFile(const char* path, const char* mode);

// The data on disk before the call returns: the file's bytes, or the entry
// of a renamed file in its folder. False when the system refuses.
bool PlatformSyncFile(std::FILE* file);
bool PlatformSyncFolderOf(const char* path);

// Puts the file `from` in the place of `to`, replacing it when it exists, in
// one step (POSIX rename; on Windows MoveFileEx, which, unlike rename, also
// replaces, through to the disk). False when the system refuses.
bool PlatformReplaceFile(const char* from, const char* to);
