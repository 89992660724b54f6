// Durable writes in the browser: the game's files live in the page's memory
// and cur/ is kept in IndexedDB, so a renamed save is kept once cur/ has
// reached the browser's storage. Without that storage nothing is kept, and
// the game says so instead of "saved".
#include <emscripten/emscripten.h>

#include "platform/files.h"

EM_ASYNC_JS(int, web_keep_player_files, (), { return (await KXS.keepPlayerFiles()) ? 1 : 0; });

bool PlatformSyncFile(std::FILE* file) { return file != nullptr && std::fflush(file) == 0; }

bool PlatformSyncFolderOf(const char* path) { return path != nullptr && web_keep_player_files() != 0; }
