// The user's locale in the browser: the first language the browser asks
// pages for.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"

EM_JS(char*, web_user_locale, (), { return stringToNewUTF8(KXS.userLocale()); });

const char* PlatformUserLocale() {
  static std::string locale;
  static bool asked;
  if (!asked) {
    char* text = web_user_locale();
    locale = text != nullptr ? text : "";
    std::free(text);
    asked = true;
  }
  return locale.c_str();
}
