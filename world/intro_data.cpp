// SPDX-License-Identifier: GPL-2.0-or-later
#include <cstdio>

#include "platform/files.h"
#include "world/data_files.h"
#include "world/data_lines.h"

bool ReadIntroData(const char* path, uint8_t* frames, int32_t* delay) {
  DataLineReader reader;
  reader.file = PlatformOpenFile(PlatformFilePath(path).c_str(), "rb");
  if (reader.file == nullptr) return false;
  SkipDataLines(&reader, 1);
  ReadDataLine(&reader);
  const uint8_t count = static_cast<uint8_t>(ParseInt32(reader.line));
  SkipDataLines(&reader, 1);
  ReadDataLine(&reader);
  const int32_t milliseconds = ParseInt32(reader.line);
  const bool failed = reader.failed;
  std::fclose(reader.file);
  // A file that exists but cannot be read (a folder, a read error) gives no
  // intro rather than one of made-up pictures.
  if (failed) return false;
  *frames = count;
  *delay = milliseconds;
  return true;
}
