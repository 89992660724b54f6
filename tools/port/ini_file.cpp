// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/port/ini_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "tools/port/places.h"

namespace {

constexpr size_t MaxIniBytes = 16384;

bool IsComment(const std::string& line) { return line.empty() || line[0] == '#' || line[0] == ';'; }

// A line is key=value: a key of letters, digits, '-', '_' or '.', and a
// value of printable text (UTF-8 allowed, control bytes not).
bool IsValidLine(const std::string& line) {
  for (unsigned char c : line) {
    if (c < 0x20 && c != '\t') return false;
    if (c == 0x7F) return false;
  }
  if (IsComment(line)) return true;
  const size_t equals = line.find('=');
  if (equals == 0 || equals == std::string::npos) return false;
  for (size_t i = 0; i < equals; ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (!(std::isalnum(c) || c == '-' || c == '_' || c == '.')) return false;
  }
  return true;
}

bool KeyIs(const std::string& line, const char* key) {
  const size_t length = std::strlen(key);
  return !IsComment(line) && line.size() > length && line.compare(0, length, key) == 0 && line[length] == '=';
}

}  // namespace

IniRead ReadIni(const char* path, IniFile* ini) {
  ini->lines.clear();
  std::FILE* file = PlatformOpenFile(path, "rb");
  if (file == nullptr) return IniMissing;
  std::string text(MaxIniBytes + 1, '\0');
  const size_t got = std::fread(text.data(), 1, text.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed || got > MaxIniBytes) return IniGarbled;
  text.resize(got);
  IniFile read;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!IsValidLine(line)) return IniGarbled;
    read.lines.push_back(line);
    start = end + 1;
  }
  *ini = read;
  return IniReadOk;
}

std::string IniValue(const IniFile& ini, const char* key) {
  // The last setting wins, as a person appending a line expects.
  std::string value;
  for (const std::string& line : ini.lines) {
    if (KeyIs(line, key)) value = line.substr(std::strlen(key) + 1);
  }
  return value;
}

void SetIniValue(IniFile* ini, const char* key, const std::string& value) {
  const std::string line = std::string(key) + "=" + value;
  bool set = false;
  for (auto it = ini->lines.begin(); it != ini->lines.end();) {
    if (!KeyIs(*it, key)) {
      ++it;
    } else if (!set) {
      *it++ = line;
      set = true;
    } else {
      it = ini->lines.erase(it);  // a later duplicate would win over the new value
    }
  }
  if (!set) ini->lines.push_back(line);
}

bool WriteIni(const char* path, const IniFile& ini) {
  // Never a file that the next start would refuse as garbled.
  size_t bytes = 0;
  for (const std::string& line : ini.lines) bytes += line.size() + 1;
  if (bytes > MaxIniBytes) return false;
  const std::string target = path;
  const size_t slash = target.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(target.substr(0, slash))) return false;
  const std::string temp = target + ".tmp";
  std::FILE* file = PlatformOpenFile(temp.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = true;
  for (const std::string& line : ini.lines) ok = std::fprintf(file, "%s\n", line.c_str()) >= 0 && ok;
  ok = PlatformSyncFile(file) && ok;
  ok = std::fclose(file) == 0 && ok;
  if (ok && PlatformReplaceFile(temp.c_str(), path)) {
    PlatformSyncFolderOf(path);
    return true;
  }
  std::remove(temp.c_str());
  return false;
}
