// kxs.ini from any bytes: read, its settings taken, a key set and the file
// written back; what is written must read again with the same lines.
#include <cstdio>

#include "tests/fuzz/fuzz_support.h"
#include "tools/port/ini_file.h"
#include "tools/port/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEnterScratch();
  FuzzWriteFile("kxs.ini", data, size);
  static const std::string path = FuzzPath("kxs.ini");
  static std::FILE* warnings = std::fopen("/dev/null", "w");
  IniFile ini;
  ReadPortSettings(path.c_str(), &ini, warnings);
  SetIniValue(&ini, SettingDisplay, "window");
  if (!WriteIni(path.c_str(), ini)) FuzzFail("kxs.ini cannot be written back");
  IniFile again;
  if (ReadIni(path.c_str(), &again) != IniReadOk || again.lines != ini.lines) FuzzFail("kxs.ini reads back otherwise");
  return 0;
}
