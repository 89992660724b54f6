// SPDX-License-Identifier: GPL-2.0-or-later
// One game per user at a time: an exclusive lock on a file in the user's
// runtime folder, held by the open descriptor until the process ends.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

static std::string LockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return std::string(runtime) + "/kxs.lock";
  return "/tmp/kxs-" + std::to_string(static_cast<unsigned long>(getuid())) + ".lock";
}

bool PlatformClaimSingleInstance() {
  static int lockFile = -1;
  if (lockFile >= 0) return true;
  const std::string path = LockPath();
  // No symbolic links: the file may sit in a folder that others can write.
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    // Without a lock file nobody can be detected; refusing to start would be worse.
    std::fprintf(stderr, "kxs: cannot open %s, running without the single-instance check\n", path.c_str());
    return true;
  }
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool taken = errno == EWOULDBLOCK;
    close(fd);
    return !taken;
  }
  lockFile = fd;
  return true;
}
