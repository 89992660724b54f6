// SPDX-License-Identifier: GPL-2.0-or-later
// Modal dialogs from a template: the page builds the controls as HTML
// elements (edit fields are <input>s, so the browser's IME types Korean) at
// the places, in the font size and with the texts the shared rules give, and
// the dialog procedure runs here on every command the player gives. The
// page is told what Enter sends with each control focused, what Escape
// sends and where Tab and Shift+Tab move the focus; a field's text stays
// within its Wansung byte limit through KxsWebFieldText, the shared rule.
#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "platform/dialog_rules.h"
#include "platform/field_text.h"
#include "platform/platform.h"
#include "platform/wansung.h"

struct DialogWindow {
  const DialogTemplate* dialogTemplate;
  std::vector<std::string> texts;  // Wansung, as each control holds it
  bool ended;
  int result;
};

namespace {

const char* KindName(DialogControlKind kind) {
  if (kind == DialogEdit) return "edit";
  return DialogIsButton(kind) ? "button" : "static";
}

// What the page shows of a held text.
std::string Shown(const DialogControl& control, const std::string& held) {
  return control.kind == DialogEdit ? DecodeWansung(held) : DialogLabelUtf8(held);
}

}  // namespace

EM_JS(void, web_dialog_open, (int x, int y, int width, int height, int fontPixels, int border),
      { KXS.dialogOpen(x, y, width, height, fontPixels, border); });
EM_JS(void, web_dialog_add,
      (const char* kind, int isDefault, int centred, int sunken, int x, int y, int width, int height, const char* text,
       int limit, int command, int enterCommand, int next, int previous),
      {
        KXS.dialogAdd(UTF8ToString(kind), isDefault != 0, centred != 0, sunken != 0, x, y, width, height,
                      UTF8ToString(text), limit, command, enterCommand, next, previous);
      });
EM_JS(void, web_dialog_show, (int focus, int enterCommand, int escapeCommand, int first, int last),
      { KXS.dialogShow(focus, enterCommand, escapeCommand, first, last); });
EM_ASYNC_JS(int, web_dialog_wait, (), { return await KXS.dialogWait(); });
EM_JS(void, web_dialog_close, (), { KXS.dialogClose(); });
EM_JS(void, web_dialog_set_text, (int index, const char* utf8), { KXS.dialogSetText(index, UTF8ToString(utf8)); });
EM_JS(int, web_dialog_value_bytes, (int index), { return lengthBytesUTF8(KXS.dialogValue(index)); });
EM_JS(void, web_dialog_value, (int index, char* buffer, int size),
      { stringToUTF8(KXS.dialogValue(index), buffer, size); });

// The page's question while the player types: the field's value as it may
// stand (the characters with a Wansung code that fit its limit), in UTF-8.
extern "C" EMSCRIPTEN_KEEPALIVE const char* KxsWebFieldText(const char* utf8, int limit) {
  static std::string kept;
  kept = DecodeWansung(FieldTyped(utf8 ? utf8 : "", limit));
  return kept.c_str();
}

int PlatformRunDialog(const DialogTemplate* t, DialogProcedure procedure) {
  if (!DialogTemplateRuns(t, procedure)) return -1;
  DialogWindow dialog{t, {}, false, 0};
  const DialogRect client = DialogClientRect(t, 640, 480, false);
  web_dialog_open(client.x, client.y, client.width, client.height, DialogFontPixels(t), DialogFrameBorder);
  const int shownDefault = DialogShownDefault(t, -1);
  for (int i = 0; i < t->controlCount; ++i) {
    const DialogControl& c = t->controls[i];
    dialog.texts.push_back(DialogHeldText(c, c.text));
    const DialogRect r = DialogControlRect(t, i);
    web_dialog_add(KindName(c.kind), i == shownDefault, (c.flags & DialogAlignCentre) != 0,
                   (c.flags & DialogBorder) != 0, r.x, r.y, r.width, r.height, Shown(c, dialog.texts.back()).c_str(),
                   FieldByteLimit(c.maxBytes), c.id, DialogEnterCommand(t, i), DialogNextFocus(t, i, 1),
                   DialogNextFocus(t, i, -1));
  }
  procedure(&dialog, DialogInit, 0);
  if (!dialog.ended) {
    web_dialog_show(DialogInitialFocus(t), DialogEnterCommand(t, -1), DialogCancelCommand, DialogNextFocus(t, -1, 1),
                    DialogNextFocus(t, -1, -1));
    while (!dialog.ended) procedure(&dialog, DialogCommand, web_dialog_wait());
  }
  web_dialog_close();
  return dialog.result;
}

void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  const int index = dialog ? DialogControlIndex(dialog->dialogTemplate, controlId) : -1;
  if (index < 0) {
    buffer[0] = '\0';
    return;
  }
  const DialogControl& control = dialog->dialogTemplate->controls[index];
  if (control.kind == DialogEdit) {
    // What the player typed, as the field holds it.
    std::string value(size_t(web_dialog_value_bytes(index)) + 1, '\0');
    web_dialog_value(index, value.data(), int(value.size()));
    value.resize(value.size() - 1);
    dialog->texts[size_t(index)] = FieldTyped(value, FieldByteLimit(control.maxBytes));
  }
  FieldCopyOut(dialog->texts[size_t(index)], buffer, size);
}

void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text) {
  const int index = dialog ? DialogControlIndex(dialog->dialogTemplate, controlId) : -1;
  if (index < 0) return;
  const DialogControl& control = dialog->dialogTemplate->controls[index];
  dialog->texts[size_t(index)] = DialogHeldText(control, text);
  web_dialog_set_text(index, Shown(control, dialog->texts[size_t(index)]).c_str());
}

void PlatformEndDialog(DialogWindow* dialog, int result) {
  if (!dialog) return;
  dialog->ended = true;
  dialog->result = result;
}
