// SPDX-License-Identifier: GPL-2.0-or-later
#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/headless/png_io.h"
#include "platform/palette_expand.h"

bool HeadlessWriteSnapshot(const char* path) {
  const HeadlessState& s = Headless();
  PaletteLut lut;
  BuildPaletteLut(s.lastFramePalette, &lut);
  std::vector<uint32_t> pixels(640 * 480);
  ExpandPicture(s.lastFrame.data(), 640, 640, 480, lut, pixels.data(), 640, 1);
  std::vector<uint8_t> rgb(640 * 480 * 3);
  for (size_t i = 0; i < pixels.size(); ++i) {
    rgb[3 * i] = static_cast<uint8_t>(pixels[i] >> 16);
    rgb[3 * i + 1] = static_cast<uint8_t>(pixels[i] >> 8);
    rgb[3 * i + 2] = static_cast<uint8_t>(pixels[i]);
  }
  return WritePngRgb(path, rgb.data(), 640, 480);
}
