// SPDX-License-Identifier: GPL-2.0-or-later
// The places of the Linux game; Windows: places_win32.cpp.
#ifndef _WIN32
#include "tools/port/places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// The data tree installed with the program: share/kxs beside its bin/.
constexpr const char* InstalledTree = "/../share/kxs";

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// XDG base folders count only when absolute; otherwise the default under HOME.
std::string BaseFolder(const std::string& xdg, const std::string& home, const char* fallback) {
  if (!xdg.empty() && xdg[0] == '/') return xdg;
  return home.empty() ? "" : home + fallback;
}

std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? resolved : "";
}

bool SameFolder(const std::string& a, const std::string& b) {
  const std::string ra = RealPath(a), rb = RealPath(b);
  return !ra.empty() && ra == rb;
}

}  // namespace

bool IsDataTree(const std::string& dir) {
  struct stat info;
  return stat((dir + "/data/han.fnt").c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

PortEnvironment CurrentEnvironment() {
  PortEnvironment env;
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer)) env.workingDir = buffer;
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) {
    const std::string exe(buffer, size_t(length));
    env.programDir = exe.substr(0, exe.rfind('/'));
  }
  env.home = Env("HOME");
  if (env.home.empty()) {
    if (const passwd* user = getpwuid(getuid())) env.home = user->pw_dir ? user->pw_dir : "";
  }
  env.xdgDataHome = Env("XDG_DATA_HOME");
  env.xdgConfigHome = Env("XDG_CONFIG_HOME");
  return env;
}

bool FindPlaces(const PortOptions& options, const PortEnvironment& env, PortPlaces* places, std::string* error) {
  *places = PortPlaces{};
  const std::string config = BaseFolder(env.xdgConfigHome, env.home, "/.config");
  if (!config.empty()) places->iniPath = config + "/kxs/kxs.ini";
  std::string tree;
  if (!options.dataDir.empty()) {
    if (!IsDataTree(options.dataDir)) {
      *error = "kxs: " + options.dataDir + " is no data tree (it has no data/han.fnt)";
      return false;
    }
    // A tree named with --data keeps its saves only when it is the folder
    // the game runs in, as if it had been started there without the option.
    if (SameFolder(options.dataDir, env.workingDir)) return true;
    tree = options.dataDir;
  } else if (IsDataTree(env.workingDir)) {
    return true;
  } else if (!env.programDir.empty() && IsDataTree(env.programDir + InstalledTree)) {
    tree = RealPath(env.programDir + InstalledTree);
  } else {
    *error = "kxs: no data tree (a folder with data/han.fnt) in the working folder " + env.workingDir + " nor in " +
             (env.programDir.empty() ? "(unknown)" : env.programDir + InstalledTree) + "; name one with --data DIR";
    return false;
  }
  const std::string data = BaseFolder(env.xdgDataHome, env.home, "/.local/share");
  if (data.empty()) {
    *error = "kxs: neither XDG_DATA_HOME nor HOME is set: there is no place for the saved game";
    return false;
  }
  places->dataRoot = tree;
  places->playerRoot = data + "/kxs";
  return true;
}

bool MakeFolders(const std::string& path) {
  if (path.empty()) return false;
  struct stat info;
  if (stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) return false;
  return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}
#endif
