// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/desktop_start.h"

#include <cstdio>

#include "app/app.h"
#include "platform/files.h"
#include "text/catalogue.h"
#include "tools/port/ini_file.h"
#include "tools/port/options.h"
#include "tools/port/settings.h"

namespace {

std::string IniPath;
IniFile Settings;
DesktopTell Tell;

std::string Format(const char* pattern, const std::string& a, const std::string& b = "") {
  char text[1024];
  std::snprintf(text, sizeof text, pattern, a.c_str(), b.c_str());
  return text;
}

// Alt+Enter's choice outlives the game; a settings file that cannot be
// written costs only that.
void RememberFullscreen(bool fullscreen) {
  if (IniPath.empty()) return;
  SetIniValue(&Settings, SettingDisplay, fullscreen ? "fullscreen" : "window");
  if (!WriteIni(IniPath.c_str(), Settings)) {
    Tell(SayWarning, Format(Tr("kxs: cannot write %s; the display choice is not kept\n"), IniPath));
  }
}

// The language: --lang, kept for the next start; else kxs.ini's; else
// (none chosen yet) the locale's. False with *complaint about --lang.
bool ChooseLanguage(const PortOptions& options, const PortSettings& settings, std::string* language,
                    std::string* complaint) {
  if (!options.language.empty()) {
    if (!IsKnownLanguage(options.language.c_str())) {
      std::string known;
      for (int i = 0; i < LanguageCount(); ++i) known += std::string(i ? " " : "") + LanguageCode(i);
      *complaint = Format(Tr("kxs: --lang takes one of %s, not '%s'\n"), known, options.language);
      return false;
    }
    if (!IniPath.empty() && settings.language != options.language) {
      SetIniValue(&Settings, SettingLanguage, options.language.c_str());
      if (!WriteIni(IniPath.c_str(), Settings))
        Tell(SayWarning, Format(Tr("kxs: cannot write %s; the language is not kept\n"), IniPath));
    }
    *language = options.language;
    return true;
  }
  if (!settings.language.empty() && !IsKnownLanguage(settings.language.c_str())) {
    char text[1024];
    std::snprintf(text, sizeof text, Tr("kxs: %s: %s=%s is no language kxs has; ignored\n"), IniPath.c_str(),
                  SettingLanguage, settings.language.c_str());
    Tell(SayWarning, text);
    language->clear();
    return true;
  }
  *language = settings.language;
  return true;
}

}  // namespace

int PrepareDesktopStart(int argc, const char* const* argv, DesktopTell tell, DesktopStart* start) {
  Tell = tell;
  PortOptions options;
  std::string message;
  switch (ParsePortOptions(argc, argv, &options, &message)) {
    case ParseDone:
      tell(SayAnswer, Tr(message.c_str()));
      return 0;
    case ParseUsageError:
      tell(SayError, message + "\n" + Tr(PortUsage()));
      return 2;
    case ParseRun:
      break;
  }
  if (!FindPlaces(options, CurrentEnvironment(), &start->places, &message)) {
    tell(SayError, message + "\n");
    return 1;
  }
  const std::string& playerRoot = start->places.playerRoot;
  if (!playerRoot.empty() && !MakeFolders(playerRoot)) {
    tell(SayWarning, Format(Tr("kxs: cannot make %s; the game cannot be saved\n"), playerRoot));
  }
  IniPath = start->places.iniPath;
  const PortSettings settings = ReadPortSettings(IniPath, &Settings, stderr);
  if (!ChooseLanguage(options, settings, &start->language, &message)) {
    tell(SayError, message + Tr(PortUsage()));
    return 2;
  }
  DisplayOptions& display = start->display;
  display.fullscreen = options.display != DisplayUnset ? options.display == DisplayFullscreen : settings.fullscreen;
  display.windowScale = options.windowScale;
  display.fitScale = settings.fitScale;
  display.fullscreenChanged = RememberFullscreen;
  return -1;
}

int PlayDesktopGame(const DesktopStart& start) {
  PlatformSetDisplayOptions(start.display);
  PlatformSetFileRoots(start.places.dataRoot.c_str(), start.places.playerRoot.c_str());
  StartInLanguage(start.language.c_str());
  return GameMain();
}
