// kxs in the browser: the game on the web backend. The page prepares the
// data tree and the saved game before main starts.
#include <string>

#include "app/app.h"
#include "platform/web/web.h"
#include "text/catalogue.h"

int main() {
  StartInLanguage(WebChosenLanguage());
  std::string codes;
  for (int i = 0; i < LanguageCount(); ++i) codes += std::string(i ? " " : "") + LanguageCode(i);
  WebUseLanguage(CurrentLanguage(), codes.c_str(), [](const char* utf8) { return Tr(utf8); });
  const int exitCode = GameMain();
  WebGameEnded(exitCode);
  return exitCode;
}
