// SPDX-License-Identifier: GPL-2.0-or-later
// One of the four data files of a new game (chosen by KXS_FUZZ_DATA_FILE),
// the other three as the default data tree has them.
#include "tests/fuzz/fuzz_support.h"
#include "world/data_files.h"
#include "world/world.h"

namespace {
const char* const Paths[] = {CorpFilePath, MainFilePath, BankFilePath, ManFilePath};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  static bool copied = false;
  if (!copied) {
    FuzzCopyDataFiles();
    copied = true;
  }
  FuzzWriteFile(Paths[KXS_FUZZ_DATA_FILE], data, size);
  ClearWorldForNewGame();
  LoadGameData();
  if (CompanyCount > CorpCountLimit || PersonCount > ManCountLimit) FuzzFail("a count beyond its table");
  return 0;
}
