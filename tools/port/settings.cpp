#include "tools/port/settings.h"

namespace {

// value is one of the two words; "" (not set) keeps *setting.
void TakeChoice(const IniFile& ini, const char* key, const char* whenTrue, const char* whenFalse, bool* setting,
                const std::string& path, std::FILE* warnings) {
  const std::string value = IniValue(ini, key);
  if (value.empty()) return;
  if (value == whenTrue || value == whenFalse) {
    *setting = value == whenTrue;
  } else {
    std::fprintf(warnings, "kxs: %s: %s=%s is neither %s nor %s; ignored\n", path.c_str(), key, value.c_str(),
                 whenTrue, whenFalse);
  }
}

}  // namespace

PortSettings ReadPortSettings(const std::string& path, IniFile* ini, std::FILE* warnings) {
  PortSettings settings;
  if (path.empty()) return settings;
  if (ReadIni(path.c_str(), ini) == IniGarbled) {
    std::fprintf(warnings, "kxs: %s is not a settings file of key=value lines; ignored\n", path.c_str());
    return settings;
  }
  TakeChoice(*ini, SettingDisplay, "fullscreen", "window", &settings.fullscreen, path, warnings);
  TakeChoice(*ini, SettingScale, "fit", "integer", &settings.fitScale, path, warnings);
  settings.language = IniValue(*ini, SettingLanguage);
  return settings;
}
