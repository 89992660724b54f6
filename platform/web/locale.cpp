// The language in the browser: the browser's first language, the choice the
// player made on the page's language button, and the page's own texts in
// the language the game speaks.
#include <emscripten/emscripten.h>

#include "platform/platform.h"
#include "platform/web/web.h"

namespace {

const char* (*Translate)(const char*) = nullptr;

// Locale and language names are short; a longer one is cut, and then
// matches no language.
constexpr int NameBytes = 64;

}  // namespace

EM_JS(void, web_user_locale, (char* buffer, int size), { stringToUTF8(KXS.userLocale(), buffer, size); });
EM_JS(void, web_chosen_language, (char* buffer, int size), { stringToUTF8(KXS.chosenLanguage(), buffer, size); });
EM_JS(void, web_use_language, (const char* current, const char* codes),
      { KXS.useLanguage(UTF8ToString(current), UTF8ToString(codes)); });

const char* PlatformUserLocale() {
  static char locale[NameBytes];
  static bool asked;
  if (!asked) web_user_locale(locale, NameBytes);
  asked = true;
  return locale;
}

const char* WebChosenLanguage() {
  static char language[NameBytes];
  static bool asked;
  if (!asked) web_chosen_language(language, NameBytes);
  asked = true;
  return language;
}

void WebUseLanguage(const char* current, const char* codes, const char* (*translate)(const char*)) {
  Translate = translate;
  web_use_language(current, codes);
}

// The page's text in the game's language (itself until one is set).
extern "C" EMSCRIPTEN_KEEPALIVE const char* KxsWebTr(const char* utf8) {
  return Translate != nullptr ? Translate(utf8) : utf8;
}
