// The language the game plays in, chosen once before start-up.
#include <cstring>

#include "app/app.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "text/catalogue.h"

bool IsKnownLanguage(const char* code) {
  if (code == nullptr || code[0] == '\0') return false;
  for (int i = 0; i < LanguageCount(); ++i)
    if (std::strcmp(LanguageCode(i), code) == 0) return true;
  return false;
}

const char* StartInLanguage(const char* choice) {
  const char* language = IsKnownLanguage(choice) ? choice : LanguageOfLocale(PlatformUserLocale());
  if (language == nullptr) language = KoreanLanguage;
  SetLanguage(language);
  // The data files of a language overlay the Korean tree from its own folder.
  PlatformSetDataOverlay(std::strcmp(language, KoreanLanguage) == 0 ? "" : language);
  return CurrentLanguage();
}
