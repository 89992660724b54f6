// SPDX-License-Identifier: GPL-2.0-or-later
// fsync of a written file and of the folder that holds its new name: a
// rename alone may reach the disk before the bytes it names, so that a
// power cut leaves an empty file under the old name. (Windows:
// file_sync_win32.cpp.)
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files.h"

bool PlatformSyncFile(std::FILE* file) {
  if (file == nullptr || std::fflush(file) != 0) return false;
  const int fd = fileno(file);
  return fd >= 0 && fsync(fd) == 0;
}

bool PlatformSyncFolderOf(const char* path) {
  if (path == nullptr) return false;
  const std::string name = path;
  const size_t slash = name.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  int result;
  do {
    result = fsync(fd);
  } while (result != 0 && errno == EINTR);
  // Some file systems cannot sync a folder; the rename still happened.
  const bool synced = result == 0 || errno == EINVAL || errno == EROFS;
  close(fd);
  return synced;
}
#endif
