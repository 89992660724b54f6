// SPDX-License-Identifier: GPL-2.0-or-later
// Loading the two font files. A font is read whole and only a file of the
// exact size is taken: a short file would leave glyphs undefined and a long
// one is not a font of this game.
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <new>

#include "platform/files.h"
#include "text/font.h"

uint8_t* InitialFont = nullptr;
uint8_t* MedialFont = nullptr;
uint8_t* FinalFont = nullptr;
uint8_t* EngFont = nullptr;

namespace {

char LoadError[600] = "";

bool FileExists(const char* path) {
  std::FILE* file = path != nullptr ? PlatformOpenFile(PlatformFilePath(path).c_str(), "rb") : nullptr;
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// Reads exactly size bytes into buffer; on any other size says why.
bool ReadExactFile(const char* path, uint8_t* buffer, long size) {
  std::FILE* file = path != nullptr ? PlatformOpenFile(PlatformFilePath(path).c_str(), "rb") : nullptr;
  if (file == nullptr) {
    std::snprintf(LoadError, sizeof LoadError, "%s: cannot open the font file", path != nullptr ? path : "(null)");
    return false;
  }
  const size_t got = std::fread(buffer, 1, static_cast<size_t>(size), file);
  const bool longer = std::fgetc(file) != EOF;
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    std::snprintf(LoadError, sizeof LoadError, "%s: cannot read the font file", path);
    return false;
  }
  if (got != static_cast<size_t>(size) || longer) {
    std::snprintf(LoadError, sizeof LoadError, "%s: %s than a font of %ld bytes", path, longer ? "longer" : "shorter",
                  size);
    return false;
  }
  return true;
}

void Replace(uint8_t** buffer, uint8_t* fresh) {
  delete[] * buffer;
  *buffer = fresh;
}

}  // namespace

bool LoadHanFont(const char* path) {
  uint8_t* bytes = new (std::nothrow) uint8_t[HanFontBytes];
  if (bytes == nullptr || !ReadExactFile(path, bytes, HanFontBytes)) {
    delete[] bytes;
    return false;
  }
  uint8_t* initial = new (std::nothrow) uint8_t[InitialBlockBytes];
  uint8_t* medial = new (std::nothrow) uint8_t[MedialBlockBytes];
  uint8_t* finals = new (std::nothrow) uint8_t[FinalBlockBytes];
  if (initial == nullptr || medial == nullptr || finals == nullptr) {
    delete[] initial;
    delete[] medial;
    delete[] finals;
    delete[] bytes;
    std::snprintf(LoadError, sizeof LoadError, "%s: out of memory", path);
    return false;
  }
  std::memcpy(initial, bytes, InitialBlockBytes);
  std::memcpy(medial, bytes + InitialBlockBytes, MedialBlockBytes);
  std::memcpy(finals, bytes + InitialBlockBytes + MedialBlockBytes, FinalBlockBytes);
  delete[] bytes;
  Replace(&InitialFont, initial);
  Replace(&MedialFont, medial);
  Replace(&FinalFont, finals);
  return true;
}

bool LoadEngFont(const char* path) {
  uint8_t* bytes = new (std::nothrow) uint8_t[EngFontBytes];
  if (bytes == nullptr || !ReadExactFile(path, bytes, EngFontBytes)) {
    delete[] bytes;
    return false;
  }
  Replace(&EngFont, bytes);
  return true;
}

int LoadFonts(const char* hanPath, const char* engPath) {
  LoadError[0] = '\0';
  for (const char* path : {hanPath, engPath}) {
    if (!FileExists(path)) {
      std::snprintf(LoadError, sizeof LoadError, "%s: font file missing", path != nullptr ? path : "(null)");
      return 0;
    }
  }
  // Read into spare buffers first so that a bad second file leaves the
  // fonts that were there.
  uint8_t* before[4] = {InitialFont, MedialFont, FinalFont, EngFont};
  InitialFont = MedialFont = FinalFont = EngFont = nullptr;
  const bool loaded = LoadHanFont(hanPath) && LoadEngFont(engPath);
  if (!loaded) {
    FreeFonts();
    InitialFont = before[0];
    MedialFont = before[1];
    FinalFont = before[2];
    EngFont = before[3];
    return 0;
  }
  for (uint8_t* old : before) delete[] old;
  return 1;
}

const char* FontLoadError() { return LoadError; }

void FreeFonts() {
  Replace(&InitialFont, nullptr);
  Replace(&MedialFont, nullptr);
  Replace(&FinalFont, nullptr);
  Replace(&EngFont, nullptr);
}
