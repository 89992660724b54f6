// SPDX-License-Identifier: GPL-2.0-or-later
// The PNG reader of the tools and snapshots, on any bytes as a file.
#include "platform/headless/png_io.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  FuzzWriteFile("picture.png", data, size);
  PngImage image;
  std::string error;
  if (ReadPng("picture.png", &image, &error)) {
    const size_t pixels = static_cast<size_t>(image.width) * image.height;
    if (image.rgba.size() != pixels * 4 || (image.indexed && image.indices.size() != pixels)) {
      FuzzFail("picture size and pixels disagree");
    }
  }
  return 0;
}
