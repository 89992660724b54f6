// SPDX-License-Identifier: GPL-2.0-or-later
// Windows: a written file's bytes reach the disk by FlushFileBuffers, and
// the replacing move is written through; a folder needs no sync of its own.
#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "platform/files.h"
#include "platform/wide_path.h"

bool PlatformSyncFile(std::FILE* file) {
  if (file == nullptr || std::fflush(file) != 0) return false;
  const intptr_t handle = _get_osfhandle(_fileno(file));
  return handle != -1 && FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) != 0;
}

bool PlatformSyncFolderOf(const char* path) { return path != nullptr; }

bool PlatformReplaceFile(const char* from, const char* to) {
  const std::wstring source = WidePath(from), target = WidePath(to);
  if (source.empty() || target.empty()) return false;
  return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#endif
