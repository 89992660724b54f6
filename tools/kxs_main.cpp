// kxs: the game on the desktop. Started inside a data tree it reads and
// saves there, as it always did; installed, it reads the tree beside its
// program and keeps the save in the player's XDG data folder. The options
// and kxs.ini are the port's own: nothing of the game's rules reads them.
#include <cstdio>
#include <string>

#include "app/app.h"
#include "platform/files.h"
#include "platform/sdl/display_options.h"
#include "text/catalogue.h"
#include "tools/port/ini_file.h"
#include "tools/port/options.h"
#include "tools/port/places.h"
#include "tools/port/settings.h"

namespace {

std::string IniPath;
IniFile Settings;

// Alt+Enter's choice outlives the game; a settings file that cannot be
// written costs only that.
void RememberFullscreen(bool fullscreen) {
  if (IniPath.empty()) return;
  SetIniValue(&Settings, SettingDisplay, fullscreen ? "fullscreen" : "window");
  if (!WriteIni(IniPath.c_str(), Settings)) {
    std::fprintf(stderr, Tr("kxs: cannot write %s; the display choice is not kept\n"), IniPath.c_str());
  }
}

// The language: --lang, kept for the next start; else kxs.ini's; else
// (none chosen yet) the locale's. Null after a complaint about --lang.
const char* ChooseLanguage(const PortOptions& options, const PortSettings& settings) {
  if (!options.language.empty()) {
    if (!IsKnownLanguage(options.language.c_str())) {
      std::string known;
      for (int i = 0; i < LanguageCount(); ++i) known += std::string(i ? " " : "") + LanguageCode(i);
      std::fprintf(stderr, Tr("kxs: --lang takes one of %s, not '%s'\n"), known.c_str(), options.language.c_str());
      return nullptr;
    }
    if (!IniPath.empty() && settings.language != options.language) {
      SetIniValue(&Settings, SettingLanguage, options.language.c_str());
      if (!WriteIni(IniPath.c_str(), Settings))
        std::fprintf(stderr, Tr("kxs: cannot write %s; the language is not kept\n"), IniPath.c_str());
    }
    return options.language.c_str();
  }
  if (!settings.language.empty() && !IsKnownLanguage(settings.language.c_str())) {
    std::fprintf(stderr, Tr("kxs: %s: %s=%s is no language kxs has; ignored\n"), IniPath.c_str(), SettingLanguage,
                 settings.language.c_str());
    return "";
  }
  return settings.language.c_str();
}

}  // namespace

int main(int argc, char** argv) {
  PortOptions options;
  std::string message;
  switch (ParsePortOptions(argc, argv, &options, &message)) {
    case ParseDone:
      std::fputs(Tr(message.c_str()), stdout);
      return 0;
    case ParseUsageError:
      std::fprintf(stderr, "%s\n%s", message.c_str(), Tr(PortUsage()));
      return 2;
    case ParseRun:
      break;
  }
  PortPlaces places;
  if (!FindPlaces(options, CurrentEnvironment(), &places, &message)) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  if (!places.playerRoot.empty() && !MakeFolders(places.playerRoot)) {
    std::fprintf(stderr, Tr("kxs: cannot make %s; the game cannot be saved\n"), places.playerRoot.c_str());
  }
  IniPath = places.iniPath;
  const PortSettings settings = ReadPortSettings(IniPath, &Settings, stderr);
  const char* language = ChooseLanguage(options, settings);
  if (language == nullptr) {
    std::fputs(PortUsage(), stderr);
    return 2;
  }
  sdl_backend::DisplayOptions display;
  display.fullscreen = options.display != DisplayUnset ? options.display == DisplayFullscreen : settings.fullscreen;
  display.windowScale = options.windowScale;
  display.fitScale = settings.fitScale;
  display.fullscreenChanged = RememberFullscreen;
  sdl_backend::SetDisplayOptions(display);
  const char* noDisplay = nullptr;
  if (!sdl_backend::CheckDisplay(&noDisplay)) {
    std::fprintf(stderr, "kxs: %s\n", noDisplay);
    return 1;
  }
  PlatformSetFileRoots(places.dataRoot.c_str(), places.playerRoot.c_str());
  StartInLanguage(language);
  return GameMain();
}
