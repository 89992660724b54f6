// SPDX-License-Identifier: GPL-2.0-or-later
// The places of the Windows game. kxs.exe is found beside its data tree: an
// unzipped game (its folder writable) keeps kxs.ini and the save beside it,
// an installed one (under Program Files, not writable, or holding the
// installer's uninstall.exe) in %APPDATA%\KXS.
#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>

#include "platform/wide_path.h"
#include "tools/port/places.h"

namespace {

std::string Parent(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Whether a new file can be made in the folder (a probe file, removed again).
bool FolderWritable(const std::string& dir) {
  const std::wstring probe = WidePath((dir + "\\kxs-write-test.tmp").c_str());
  if (probe.empty()) return false;
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

std::string FullPath(const std::string& path) {
  const std::wstring wide = WidePath(path.c_str());
  wchar_t full[MAX_PATH];
  const DWORD count = wide.empty() ? 0 : GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
  return count == 0 || count >= MAX_PATH ? path : Utf8Path(full);
}

bool IsFile(const std::string& path) {
  const std::wstring wide = WidePath(path.c_str());
  if (wide.empty()) return false;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool IsDataTree(const std::string& dir) { return IsFile(dir + "/data/han.fnt"); }

PortEnvironment CurrentEnvironment() {
  PortEnvironment env;
  wchar_t buffer[MAX_PATH];
  DWORD count = GetCurrentDirectoryW(MAX_PATH, buffer);
  if (count > 0 && count < MAX_PATH) env.workingDir = Utf8Path(buffer);
  env.programDir = ProgramFolder();
  PWSTR roaming = nullptr;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming) == S_OK) env.appData = Utf8Path(roaming);
  CoTaskMemFree(roaming);
  env.programDirWritable = !env.programDir.empty() && FolderWritable(env.programDir);
  env.programDirInstalled = !env.programDir.empty() && IsFile(env.programDir + "\\uninstall.exe");
  return env;
}

bool FindPlaces(const PortOptions& options, const PortEnvironment& env, PortPlaces* places, std::string* error) {
  *places = PortPlaces{};
  std::string tree;
  bool portable = false;
  if (!options.dataDir.empty()) {
    if (!IsDataTree(options.dataDir)) {
      *error = "kxs: " + options.dataDir + " is no data tree (it has no data\\han.fnt)";
      return false;
    }
    tree = FullPath(options.dataDir);
  } else if (!env.programDir.empty() && IsDataTree(env.programDir)) {
    tree = env.programDir;
    portable = env.programDirWritable && !env.programDirInstalled;
  } else if (IsDataTree(env.workingDir)) {
    tree = env.workingDir;
  } else {
    *error = "kxs: no data tree (a folder with data\\han.fnt) beside the program in " +
             (env.programDir.empty() ? std::string("(unknown)") : env.programDir) + " nor in the working folder " +
             env.workingDir + "; name one with --data DIR";
    return false;
  }
  places->dataRoot = tree;
  if (portable) {
    places->iniPath = tree + "\\kxs.ini";
    return true;
  }
  if (env.appData.empty()) {
    *error = "kxs: Windows names no application data folder (%APPDATA%): there is no place for the saved game";
    return false;
  }
  places->playerRoot = env.appData + "\\KXS";
  places->iniPath = places->playerRoot + "\\kxs.ini";
  return true;
}

bool MakeFolders(const std::string& path) {
  if (path.empty()) return false;
  const std::wstring wide = WidePath(path.c_str());
  if (wide.empty()) return false;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::string parent = Parent(path);
  if (!parent.empty() && parent.back() != ':' && !MakeFolders(parent)) return false;
  return CreateDirectoryW(wide.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}
#endif
