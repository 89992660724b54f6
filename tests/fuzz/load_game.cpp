// The save file: decoded from memory, and loaded through the game's own
// command with its boxes. A file that is refused must change nothing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/save_game.h"
#include "platform/headless/headless.h"
#include "tests/fuzz/fuzz_support.h"
#include "world/data_files.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {
SaveImage Image;
}

// With KXS_FUZZ_SEED_DIR set, the default world's save becomes a seed there.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* seedDir = std::getenv("KXS_FUZZ_SEED_DIR");
  if (seedDir == nullptr) return 0;
  FuzzEnterScratch();
  FuzzCopyDataFiles();
  ResetWorld();
  LoadGameData();
  std::vector<uint8_t> bytes;
  if (CaptureSave(SavedScreenState{}, &Image) == SaveFits) EncodeSave(Image, &bytes);
  const std::string path = std::string(seedDir) + "/default.sav";
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  HeadlessReset();
  ResetWorld();
  const SaveReadResult result = DecodeSave(data, size, &Image);
  if (result == SaveReadOk) {
    // What was read writes back to a file of the same length.
    std::vector<uint8_t> bytes;
    EncodeSave(Image, &bytes);
    if (bytes.size() != size) FuzzFail("a read save writes back to another length");
  }
  FuzzWriteFile(SaveFilePath, data, size);
  DayCount = -12345;
  LoadGame();
  if (result != SaveReadOk && DayCount != -12345) FuzzFail("a refused save changed the world");
  return 0;
}
