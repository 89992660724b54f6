// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/fuzz/fuzz_support.h"
#include "world/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  FuzzWriteFile(IntroFilePath, data, size);
  uint8_t frames = 0;
  int32_t delay = 0;
  ReadIntroData(IntroFilePath, &frames, &delay);
  return 0;
}
