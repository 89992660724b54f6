// kxs in the browser: the game on the web backend. The page prepares the
// data tree and the saved game before main starts.
#include <cstdint>
#include <string>

#include "app/app.h"
#include "app/save_game.h"
#include "platform/web/web.h"
#include "text/catalogue.h"

// For the page (exported by the link): whether a file the player brings in
// is a save this game loads, by the load's own checks.
extern "C" int KxsWebSaveWouldLoad(const uint8_t* bytes, int size) {
  return size >= 0 && SaveFileWouldLoad(bytes, static_cast<size_t>(size)) ? 1 : 0;
}

int main() {
  StartInLanguage(WebChosenLanguage());
  std::string codes;
  for (int i = 0; i < LanguageCount(); ++i) codes += std::string(i ? " " : "") + LanguageCode(i);
  WebUseLanguage(CurrentLanguage(), codes.c_str(), [](const char* utf8) { return Tr(utf8); });
  const int exitCode = GameMain();
  WebGameEnded(exitCode);
  return exitCode;
}
