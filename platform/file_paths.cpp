// The one mapping from the game's file names to paths. The player's own
// files are the save and its temporary twin; everything else is read-only
// data of the tree, taken from its overlay (a language's folder) where the
// overlay has the file.
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/files.h"

namespace {

constexpr const char* PlayerPrefix = "cur/kxs.sav";  // cur/kxs.sav and its temporary twins .tmp, .new
constexpr size_t PlayerFolderLength = 4;             // "cur/"

std::string DataRoot;
std::string PlayerRoot;
std::string Overlay;

std::string Joined(const std::string& root, const char* name) {
  if (root.empty()) return name;
  return root.back() == '/' ? root + name : root + "/" + name;
}

}  // namespace

void PlatformSetDataOverlay(const char* folder) { Overlay = folder ? folder : ""; }

void PlatformSetFileRoots(const char* dataRoot, const char* playerRoot) {
  DataRoot = dataRoot ? dataRoot : "";
  PlayerRoot = playerRoot ? playerRoot : "";
}

std::string PlatformFilePath(const char* gameName) {
  if (gameName == nullptr) return "";
  if (gameName[0] == '/') return gameName;
  if (!PlayerRoot.empty() && std::strncmp(gameName, PlayerPrefix, std::strlen(PlayerPrefix)) == 0) {
    return Joined(PlayerRoot, gameName + PlayerFolderLength);
  }
  if (!Overlay.empty() && std::strncmp(gameName, PlayerPrefix, std::strlen(PlayerPrefix)) != 0) {
    const std::string overlaid = Joined(DataRoot, (Overlay + "/" + gameName).c_str());
    std::error_code ignored;
    if (std::filesystem::is_regular_file(overlaid, ignored)) return overlaid;
  }
  return Joined(DataRoot, gameName);
}
