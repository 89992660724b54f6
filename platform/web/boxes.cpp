// Message boxes as HTML over the canvas. The page decodes the Wansung texts
// and resolves the answer when the player picks a button.
#include <emscripten/emscripten.h>

#include <cstring>

#include "platform/platform.h"

EM_ASYNC_JS(int, web_message_box, (const char* text, int textLength, const char* caption, int captionLength, int style), {
  return await KXS.messageBox(HEAPU8.slice(text, text + textLength), HEAPU8.slice(caption, caption + captionLength), style);
});

// A box text is a few lines; more would only be cut by the page.
constexpr size_t MaxTextBytes = 4096;

static int Length(const char* text) {
  if (!text) return 0;
  const size_t length = strnlen(text, MaxTextBytes);
  return static_cast<int>(length);
}

int PlatformMessageBox(const char* text, const char* caption, int style) {
  return web_message_box(text ? text : "", Length(text), caption ? caption : "", Length(caption), style);
}
