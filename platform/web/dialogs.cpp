// Modal dialogs from a template: the page builds the controls as HTML
// elements (edit fields are <input>s, so the browser's IME types Korean),
// and the dialog procedure runs here on every button the player presses.
#include <emscripten/emscripten.h>

#include <cstring>

#include "platform/platform.h"

struct DialogWindow {
  const DialogTemplate* dialogTemplate;
  bool ended;
  int result;
};

namespace {

// More than any template has; a larger count is a broken template.
constexpr int MaxControls = 256;
constexpr size_t MaxTextBytes = 4096;

int Length(const char* text) { return text ? static_cast<int>(strnlen(text, MaxTextBytes)) : 0; }

bool HasControl(const DialogTemplate* t, int controlId) {
  const int count = t->controls && t->controlCount < MaxControls ? t->controlCount : 0;
  for (int i = 0; i < count; ++i) {
    if (t->controls[i].id == controlId) return true;
  }
  return false;
}

}  // namespace

EM_JS(void, web_dialog_open, (int x, int y, int width, int height, int centred, int fontPixels), {
  KXS.dialogOpen(x, y, width, height, centred != 0, fontPixels);
});
EM_JS(void, web_dialog_add, (int id, int kind, int flags, int x, int y, int width, int height, const char* text,
                             int length, int maxBytes), {
  KXS.dialogAdd(id, kind, flags, x, y, width, height, HEAPU8.slice(text, text + length), maxBytes);
});
EM_JS(void, web_dialog_show, (), { KXS.dialogShow(); });
EM_ASYNC_JS(int, web_dialog_wait, (), { return await KXS.dialogWait(); });
EM_JS(void, web_dialog_close, (), { KXS.dialogClose(); });
EM_JS(void, web_dialog_set_text, (int id, const char* text, int length), {
  KXS.dialogSetText(id, HEAPU8.slice(text, text + length));
});
EM_JS(int, web_dialog_get_text, (int id, char* buffer, int size), {
  const bytes = KXS.dialogGetText(id, size);
  HEAPU8.set(bytes, buffer);
  return bytes.length;
});

int PlatformRunDialog(const DialogTemplate* t, DialogProcedure procedure) {
  DialogWindow dialog{t, false, 0};
  // The template's base height is a line of its font; the Korean font's
  // line is its size plus two.
  int fontPixels = t->baseUnitY - 2;
  fontPixels = fontPixels < 11 ? 11 : fontPixels > 16 ? 16 : fontPixels;
  web_dialog_open(DialogUnitsToPixelsX(t, t->x), DialogUnitsToPixelsY(t, t->y), DialogUnitsToPixelsX(t, t->width),
                  DialogUnitsToPixelsY(t, t->height), t->centred ? 1 : 0, fontPixels);
  const int count = t->controls && t->controlCount < MaxControls ? t->controlCount : 0;
  for (int i = 0; i < count; ++i) {
    const DialogControl& c = t->controls[i];
    web_dialog_add(c.id, c.kind, c.flags, DialogUnitsToPixelsX(t, c.x), DialogUnitsToPixelsY(t, c.y),
                   DialogUnitsToPixelsX(t, c.width), DialogUnitsToPixelsY(t, c.height), c.text ? c.text : "",
                   Length(c.text), c.maxBytes > 0 ? c.maxBytes : 255);
  }
  procedure(&dialog, DialogInit, 0);
  web_dialog_show();
  while (!dialog.ended) procedure(&dialog, DialogCommand, web_dialog_wait());
  web_dialog_close();
  return dialog.result;
}

void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  int length = 0;
  if (dialog && HasControl(dialog->dialogTemplate, controlId)) length = web_dialog_get_text(controlId, buffer, size - 1);
  buffer[length] = '\0';
}

void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text) {
  if (!dialog || !HasControl(dialog->dialogTemplate, controlId)) return;
  web_dialog_set_text(controlId, text ? text : "", Length(text));
}

void PlatformEndDialog(DialogWindow* dialog, int result) {
  if (!dialog) return;
  dialog->ended = true;
  dialog->result = result;
}
