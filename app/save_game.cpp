// Saving and loading the one saved game, with the player's message boxes.
#include "app/save_game.h"

#include <cstdio>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/utf8.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {

constexpr const char* SaveTempPath = "cur/kxs.sav.tmp";
constexpr const char* FileErrorCaption = "File Error";

SaveImage Image;  // one save file's worth; too large for comfort on the stack

void FileErrorBox(const char* utf8) { PlatformMessageBox(WansungText(utf8), FileErrorCaption, BoxOk); }

// Writes bytes to the game file name through a temporary file and a rename,
// so that the old file survives any failure; the bytes reach the disk
// before the rename and the rename before "saved" is shown, so that a power
// cut never leaves an empty or half-written save.
bool WriteFileSafely(const char* name, const char* tempName, const std::vector<uint8_t>& bytes) {
  const std::string path = PlatformFilePath(name), tempPath = PlatformFilePath(tempName);
  std::FILE* file = PlatformOpenFile(tempPath.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = PlatformSyncFile(file) && written;
  written = std::fclose(file) == 0 && written;
  if (written && PlatformReplaceFile(tempPath.c_str(), path.c_str())) {
    // The new file is in place whatever the folder's sync says; a folder
    // that cannot be synced is a file system without the need.
    PlatformSyncFolderOf(path.c_str());
    return true;
  }
  std::remove(tempPath.c_str());
  return false;
}

enum ReadOutcome { ReadMissing, ReadTooLarge, ReadDone };

// The whole file, as long as it is no larger than a save file can be.
ReadOutcome ReadSaveFile(const char* name, std::vector<uint8_t>* bytes) {
  std::FILE* file = PlatformOpenFile(PlatformFilePath(name).c_str(), "rb");
  if (file == nullptr) return ReadMissing;
  bytes->resize(SaveMaxFileBytes + 1);
  const size_t got = std::fread(bytes->data(), 1, bytes->size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return ReadMissing;
  bytes->resize(got);
  return got > SaveMaxFileBytes ? ReadTooLarge : ReadDone;
}

SavedScreenState CurrentScreenState() {
  return SavedScreenState{AnimDelay, AnimLast, AnimNow, AnimElapsed, ScreenEntry, AnimState};
}

void ApplyScreenState(const SavedScreenState& state) {
  AnimDelay = state.animDelay;
  AnimLast = state.animLast;
  AnimNow = state.animNow;
  AnimElapsed = state.animElapsed;
  ScreenEntry = state.screenEntry;
  AnimState = state.animState;
}

}  // namespace

void SaveGame() {
  switch (CaptureSave(CurrentScreenState(), &Image)) {
    case SaveTooManyCompanies:
      FileErrorBox("회사가 너무 많아 저장할수 없습니다");
      return;
    case SaveTooManyPersons:
      // The file counts persons in one byte; more would be saved wrongly.
      FileErrorBox("인물이 255명을 넘어 저장할수 없습니다");
      return;
    case SaveFits:
      break;
  }
  std::vector<uint8_t> bytes;
  EncodeSave(Image, &bytes);
  if (!WriteFileSafely(SaveFilePath, SaveTempPath, bytes)) {
    FileErrorBox("화일을 저장할수 없습니다");
    return;
  }
  PlatformMessageBox(WansungText("저장했습니다"), WansungText("알림"), BoxOk);
}

void LoadGame() {
  std::vector<uint8_t> bytes;
  const ReadOutcome outcome = ReadSaveFile(SaveFilePath, &bytes);
  if (outcome == ReadMissing) {
    FileErrorBox("저장되어 있는 데이타가 없습니다");
    return;
  }
  // Checked whole before anything changes: a short, long or foreign file
  // leaves the game as it was.
  if (outcome == ReadTooLarge || DecodeSave(bytes.data(), bytes.size(), &Image) != SaveReadOk) {
    FileErrorBox("저장되어 있는 데이타가 다릅니다");
    return;
  }
  ApplySave(Image);
  ApplyScreenState(Image.screen);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  if (Display != nullptr) Display->SetPalette(GamePalette);
  CurrentScreen = OfficeScreen;
  AnimState = 0;
  LoadStatusIcons();
}
