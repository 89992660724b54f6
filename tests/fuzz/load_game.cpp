// SPDX-License-Identifier: GPL-2.0-or-later
// The save file, loaded through the game's own command with its boxes, and
// a few frames of the office on what was loaded. The first byte of an input
// says how the rest is taken:
//   even: laid out as a save. The counts are read where the file has them
//         and the rest is cut or filled with zeros to the length they give,
//         so every input is a save this game reads and the run goes into the
//         world it makes rather than into refusals of the wrong length.
//   odd:  the bytes as they are, as a file on disk may hold anything. A
//         file that is refused must change nothing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/save_game.h"
#include "gfx/display.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/app_test_support.h"
#include "world/data_files.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {

SaveImage Image;
bool GameStarted = false;
bool GameRunning = false;  // the tree's fonts and pictures are there for frames

// The body as the save of the length its own counts give.
std::vector<uint8_t> LaidOutSave(const uint8_t* body, size_t size) {
  std::vector<uint8_t> save(body, body + std::min(size, SaveMaxFileBytes));
  save.resize(std::max(save.size(), SaveHeaderBytes), 0);
  save[0] = 'K';
  save[SaveHeaderBytes - 1] %= SaveMaxCompanies + 1;
  const size_t personCountAt = SavePlainBytes(save[SaveHeaderBytes - 1], 0) - 1;
  save.resize(std::max(save.size(), personCountAt + 1), 0);
  const size_t plain = SavePlainBytes(save[SaveHeaderBytes - 1], save[personCountAt]);
  const bool hasJob = size >= plain + SaveTrailerBytes;
  save.resize(hasJob ? plain + SaveTrailerBytes : plain, 0);
  if (hasJob) std::memcpy(save.data() + plain, "KXJ", 3);
  return save;
}

// The data tree's pictures and fonts when KXS_FUZZ_TREE names one; the save
// stays in the scratch folder.
void StartOnce() {
  if (GameStarted) return;
  GameStarted = true;
  FuzzEnterScratch();
  const char* tree = std::getenv("KXS_FUZZ_TREE");
  if (tree == nullptr) return;
  PlatformSetFileRoots(tree, FuzzPath("cur").c_str());
  int exitCode = 0;
  GameRunning = StartGame(&exitCode);
}

void RunFrames(int frames) {
  const uint64_t target = FramesRun + static_cast<uint64_t>(frames);
  int exitCode = 0;
  for (int pass = 0; pass < 8 * frames && FramesRun < target; ++pass) {
    if (!RunLoopPass(&exitCode)) return;
  }
}

}  // namespace

// With KXS_FUZZ_SEED_DIR set, the default world's save becomes two seeds
// there, one of each way.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* seedDir = std::getenv("KXS_FUZZ_SEED_DIR");
  if (seedDir == nullptr) return 0;
  FuzzEnterScratch();
  FuzzCopyDataFiles();
  ResetWorld();
  LoadGameData();
  std::vector<uint8_t> bytes;
  if (CaptureSave(SavedScreenState{}, &Image) == SaveFits) EncodeSave(Image, &bytes);
  for (const uint8_t way : {0, 1}) {
    const std::string path = std::string(seedDir) + (way == 0 ? "/default.sav" : "/default-raw.sav");
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
      std::fputc(way, file);
      std::fwrite(bytes.data(), 1, bytes.size(), file);
      std::fclose(file);
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  StartOnce();
  StartTestShell();  // a fresh display and queue, as at the start of a game
  ResetWorld();
  const bool laidOut = data[0] % 2 == 0;
  const std::vector<uint8_t> save =
      laidOut ? LaidOutSave(data + 1, size - 1) : std::vector<uint8_t>(data + 1, data + size);
  const SaveReadResult result = DecodeSave(save.data(), save.size(), &Image);
  if (laidOut && result != SaveReadOk) FuzzFail("a laid-out save is refused");
  if (result == SaveReadOk) {
    // What was read writes back to a file of the same length.
    std::vector<uint8_t> bytes;
    EncodeSave(Image, &bytes);
    if (bytes.size() != save.size()) FuzzFail("a read save writes back to another length");
  }
  FuzzWriteFile(SaveFilePath, save.data(), save.size());
  DayCount = -12345;
  LoadGame();
  if (result != SaveReadOk) {
    if (DayCount != -12345) FuzzFail("a refused save changed the world");
    return 0;
  }
  if (GameRunning && Display->IsReady()) RunFrames(4);
  return 0;
}
