// SPDX-License-Identifier: GPL-2.0-or-later
// The one way a game file is opened. Only a regular file is ever read: a
// named pipe, a device or a folder under a game file's name would make the
// game wait for ever or read nonsense, so it is refused as if the file were
// not there. The pipe is opened without blocking, looked at, and closed.
// On Windows the UTF-8 name is opened as a wide-character path, so that a
// folder with Korean letters in it opens.
#include <cerrno>
#include <cstring>

#include "platform/files.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "platform/wide_path.h"

std::FILE* PlatformOpenFile(const char* path, const char* mode) {
  const std::wstring wide = path != nullptr ? WidePath(path) : std::wstring();
  if (wide.empty() || mode == nullptr || std::strchr("rwa", mode[0]) == nullptr || mode[0] == '\0') {
    errno = wide.empty() ? ENOENT : EINVAL;
    return nullptr;
  }
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  // A folder or a device name (CON, NUL, COM1) is no game file.
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))) {
    errno = ENOENT;
    return nullptr;
  }
  const std::wstring wideMode(mode, mode + std::strlen(mode));
  std::FILE* file = _wfopen(wide.c_str(), wideMode.c_str());
  if (file == nullptr) return nullptr;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK) {
    std::fclose(file);
    errno = ENOENT;
    return nullptr;
  }
  return file;
}

#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// open(2)'s flags for an fopen mode: "r", "w" or "a", optionally "b" and "+".
bool OpenFlags(const char* mode, int* flags) {
  if (mode == nullptr) return false;
  const bool update = std::strchr(mode, '+') != nullptr;
  switch (mode[0]) {
    case 'r':
      *flags = update ? O_RDWR : O_RDONLY;
      return true;
    case 'w':
      *flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC;
      return true;
    case 'a':
      *flags = (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND;
      return true;
    default:
      return false;
  }
}

}  // namespace

std::FILE* PlatformOpenFile(const char* path, const char* mode) {
  int flags = 0;
  if (path == nullptr || path[0] == '\0' || !OpenFlags(mode, &flags)) {
    errno = path == nullptr || path[0] == '\0' ? ENOENT : EINVAL;
    return nullptr;
  }
  int fd;
  do {
    fd = open(path, flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    // A pipe without a reader refuses a writer with ENXIO: it is no file.
    if (errno == ENXIO || errno == EISDIR) errno = ENOENT;
    return nullptr;
  }
  struct stat info;
  const int shape = fcntl(fd, F_GETFL);
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || shape < 0 || fcntl(fd, F_SETFL, shape & ~O_NONBLOCK) != 0) {
    close(fd);
    errno = ENOENT;
    return nullptr;
  }
  std::FILE* file = fdopen(fd, mode);
  if (file == nullptr) {
    const int reason = errno;
    close(fd);
    errno = reason;
  }
  return file;
}
#endif
