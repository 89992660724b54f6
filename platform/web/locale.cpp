// The language in the browser: the browser's first language, the choice the
// player made on the page's language button, and the page's own texts in
// the language the game speaks.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "platform/web/web.h"

namespace {

const char* (*Translate)(const char*) = nullptr;

std::string Taken(char* text) {
  std::string kept = text != nullptr ? text : "";
  std::free(text);
  return kept;
}

}  // namespace

EM_JS(char*, web_user_locale, (), { return stringToNewUTF8(KXS.userLocale()); });
EM_JS(char*, web_chosen_language, (), { return stringToNewUTF8(KXS.chosenLanguage()); });
EM_JS(void, web_use_language, (const char* current, const char* codes),
      { KXS.useLanguage(UTF8ToString(current), UTF8ToString(codes)); });

const char* PlatformUserLocale() {
  static const std::string locale = Taken(web_user_locale());
  return locale.c_str();
}

const char* WebChosenLanguage() {
  static const std::string language = Taken(web_chosen_language());
  return language.c_str();
}

void WebUseLanguage(const char* current, const char* codes, const char* (*translate)(const char*)) {
  Translate = translate;
  web_use_language(current, codes);
}

// The page's text in the game's language (itself until one is set).
extern "C" EMSCRIPTEN_KEEPALIVE const char* KxsWebTr(const char* utf8) {
  return Translate != nullptr ? Translate(utf8) : utf8;
}
