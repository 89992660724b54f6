// kxs in the browser: the game on the web backend. The page prepares the
// data tree and the saved game before main starts.
#include "app/app.h"
#include "platform/web/web.h"

int main() {
  const int exitCode = GameMain();
  WebGameEnded(exitCode);
  return exitCode;
}
