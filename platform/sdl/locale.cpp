// The user's locale on the desktop: the variables that name the language of
// messages, in the order the C library reads them.
#include <cstdlib>
#include <initializer_list>

#include "platform/platform.h"

const char* PlatformUserLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return "";
}
