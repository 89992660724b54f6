// Saving and loading the one saved game, with the player's message boxes.
#include "app/save_game.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {

constexpr const char* SaveTempPath = "cur/kxs.sav.tmp";
constexpr const char* FileErrorCaption = "File Error";

SaveImage Image;  // one save file's worth; too large for comfort on the stack
SaveImage CheckedImage;  // a file only checked, never applied

void FileErrorBox(const char* utf8) { PlatformMessageBox(WansungText(Tr(utf8)), WansungText(Tr(FileErrorCaption)), BoxOk); }

constexpr const char* SaveSpareTempPath = "cur/kxs.sav.new";

enum WriteOutcome { WriteFailed, WriteUnsynced, WriteDone };

// The temporary file, opened for writing. Something that is no file under
// its name (a folder or pipe left behind) is cleared away; one that cannot
// be cleared, such as a folder with files in it, is routed around through
// the spare name, so that no leftover blocks saving for ever.
std::FILE* OpenTemporary(const char* tempName, std::string* tempPath) {
  for (const char* name : {tempName, SaveSpareTempPath}) {
    *tempPath = PlatformFilePath(name);
    std::error_code ignored;
    const auto kind = std::filesystem::symlink_status(*tempPath, ignored).type();
    if (kind != std::filesystem::file_type::not_found && kind != std::filesystem::file_type::regular) {
      std::filesystem::remove(*tempPath, ignored);
    }
    std::FILE* file = PlatformOpenFile(tempPath->c_str(), "wb");
    if (file != nullptr) return file;
  }
  return nullptr;
}

// Writes bytes to the game file name through a temporary file and a rename,
// so that the old file survives any failure; the bytes reach the disk
// before the rename and the rename before "saved" is shown, so that a power
// cut never leaves an empty or half-written save. A folder that would not
// sync is told apart: the new file is in place but may not survive a cut.
WriteOutcome WriteFileSafely(const char* name, const char* tempName, const std::vector<uint8_t>& bytes) {
  const std::string path = PlatformFilePath(name);
  std::string tempPath;
  std::FILE* file = OpenTemporary(tempName, &tempPath);
  if (file == nullptr) return WriteFailed;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = PlatformSyncFile(file) && written;
  written = std::fclose(file) == 0 && written;
  if (written && PlatformReplaceFile(tempPath.c_str(), path.c_str())) {
    // The new name may not outlive the session unless the folder is synced
    // (the browser's storage is kept only by that sync): a refusal there is
    // no "saved". A file system that has no such sync answers true.
    return PlatformSyncFolderOf(path.c_str()) ? WriteDone : WriteUnsynced;
  }
  std::remove(tempPath.c_str());
  return WriteFailed;
}

enum ReadOutcome { ReadMissing, ReadFailed, ReadTooLarge, ReadDone };

// A short, long or foreign file is no save of this game.
bool DecodeSaveFile(const uint8_t* bytes, size_t size, SaveImage* image) {
  return size <= SaveMaxFileBytes && DecodeSave(bytes, size, image) == SaveReadOk;
}

// The whole file, as long as it is no larger than a save file can be. Only
// a file that is not there (or no file at all) is missing; one that is
// there and cannot be read is a failure the player must hear of.
ReadOutcome ReadSaveFile(const char* name, std::vector<uint8_t>* bytes) {
  std::FILE* file = PlatformOpenFile(PlatformFilePath(name).c_str(), "rb");
  if (file == nullptr) return errno == ENOENT || errno == ENOTDIR ? ReadMissing : ReadFailed;
  bytes->resize(SaveMaxFileBytes + 1);
  const size_t got = std::fread(bytes->data(), 1, bytes->size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return ReadFailed;
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
  switch (WriteFileSafely(SaveFilePath, SaveTempPath, bytes)) {
    case WriteFailed:
      FileErrorBox("화일을 저장할수 없습니다");
      return;
    case WriteUnsynced:
      FileErrorBox("저장했으나 디스크에 기록되었는지 확인할수 없습니다");
      return;
    case WriteDone:
      break;
  }
  PlatformMessageBox(WansungText(Tr("저장했습니다")), WansungText(Tr("알림")), BoxOk);
}

void LoadGame() {
  std::vector<uint8_t> bytes;
  const ReadOutcome outcome = ReadSaveFile(SaveFilePath, &bytes);
  if (outcome == ReadMissing) {
    FileErrorBox("저장되어 있는 데이타가 없습니다");
    return;
  }
  if (outcome == ReadFailed) {
    FileErrorBox("저장된 화일을 읽을수 없습니다");
    return;
  }
  // Checked whole before anything changes: a short, long or foreign file
  // leaves the game as it was.
  if (outcome == ReadTooLarge || !DecodeSaveFile(bytes.data(), bytes.size(), &Image)) {
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

bool SaveFileWouldLoad(const uint8_t* bytes, size_t size) {
  return bytes != nullptr && DecodeSaveFile(bytes, size, &CheckedImage);
}
