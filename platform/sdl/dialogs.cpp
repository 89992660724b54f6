// SPDX-License-Identifier: GPL-2.0-or-later
// Modal dialogs run from a template and a dialog procedure, as the game's
// dialog resources ran: static texts, edit fields and push buttons drawn in
// the window over the last frame; Enter sends 1 (or the focused button),
// Escape 2.
#include "platform/dialog_rules.h"
#include "platform/field_text.h"
#include "platform/sdl/dialog_window.h"
#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

namespace {

const int Border = DialogFrameBorder;
const int CaretBlinkMs = 530;

UiRect ToUi(const DialogRect& r) { return UiRect{r.x, r.y, r.width, r.height}; }

void Build(DialogWindow* dialog, const DialogTemplate* t) {
  dialog->fontSize = DialogFontPixels(t);
  for (int i = 0; i < t->controlCount; ++i) {
    const DialogControl& c = t->controls[i];
    DialogItem item;
    item.id = c.id;
    item.kind = c.kind;
    item.flags = c.flags;
    item.limit = FieldByteLimit(c.maxBytes);
    item.rect = ToUi(DialogControlRect(t, i));
    item.text = DialogHeldText(c, c.text);
    item.caret = int(item.text.size());
    item.selectAll = false;
    item.scroll = 0;
    dialog->items.push_back(item);
  }
}

// The client area where the shared rule puts it on the modal picture; on a
// window of the dialog's own it is centred.
void Place(DialogWindow* dialog) {
  dialog->client = ToUi(DialogClientRect(dialog->dialogTemplate, ModalWidth(), ModalHeight(), !ModalOnGameWindow()));
}

DialogItem* FindItem(DialogWindow* dialog, int id) {
  const int index = dialog ? DialogControlIndex(dialog->dialogTemplate, id) : -1;
  return index >= 0 ? &dialog->items[size_t(index)] : nullptr;
}

void SetFocus(DialogWindow* dialog, int index, bool byTab) {
  dialog->focus = index;
  EditFocusChanged(dialog, byTab);
}

void Command(DialogWindow* dialog, int id) {
  // The procedure may open a box or set texts; the dialog stays up under it.
  dialog->procedure(dialog, DialogCommand, id);
  ModalInvalidate();
}

void DrawStatic(const DialogWindow& dialog, UiCanvas* canvas, const DialogItem& item) {
  const UiRect r = ItemRect(dialog, item);
  if (item.flags & DialogBorder) {
    UiFill(canvas, UiRect{r.x, r.y, r.w, 1}, UiColour::Shadow);
    UiFill(canvas, UiRect{r.x, r.y, 1, r.h}, UiColour::Shadow);
    UiFill(canvas, UiRect{r.x, r.y + r.h - 1, r.w, 1}, UiColour::White);
    UiFill(canvas, UiRect{r.x + r.w - 1, r.y, 1, r.h}, UiColour::White);
  }
  const std::string text = DialogLabelUtf8(item.text);
  const int width = UiTextWidth(dialog.fontSize, false, text.c_str());
  int x = r.x + ((item.flags & DialogBorder) ? 2 : 0);
  if (item.flags & DialogAlignCentre) x = r.x + (r.w - width) / 2;
  int y = r.y;
  if (item.flags & DialogBorder) y = r.y + (r.h - UiLineHeight(dialog.fontSize, false)) / 2;
  // Static text is not cut at its rectangle's bottom (a Korean glyph is a
  // little taller than the rectangles of the time), only at the dialog.
  const UiRect client = dialog.client;
  UiClip(canvas, &client);
  UiText(canvas, x, y, dialog.fontSize, false, text.c_str(), UiColour::Black);
  UiClip(canvas, nullptr);
}

void DrawDialog(void* context, UiCanvas* canvas, bool top) {
  DialogWindow* dialog = static_cast<DialogWindow*>(context);
  const UiRect c = dialog->client;
  const UiRect frame{c.x - Border, c.y - Border, c.w + 2 * Border, c.h + 2 * Border};
  UiFill(canvas, frame, UiColour::Face);
  UiBevel(canvas, frame, UiRaised);
  const int shownDefault = DialogShownDefault(dialog->dialogTemplate, dialog->focus);
  for (size_t i = 0; i < dialog->items.size(); ++i) {
    DialogItem& item = dialog->items[i];
    const bool focused = top && int(i) == dialog->focus;
    if (IsEdit(item)) {
      DrawEdit(dialog, canvas, &item, focused);
    } else if (IsButton(item)) {
      const bool isDefault = int(i) == shownDefault;
      const bool pressed = int(i) == dialog->pressed && dialog->pressedInside;
      const std::string label = DialogLabelUtf8(item.text);
      UiButton(canvas, ItemRect(*dialog, item), label.c_str(), dialog->fontSize, isDefault, pressed, focused);
    } else {
      DrawStatic(*dialog, canvas, item);
    }
  }
}

int ItemAt(const DialogWindow& dialog, int windowX, int windowY, int* x) {
  int lx = 0, ly = 0;
  if (!ModalPoint(windowX, windowY, &lx, &ly)) return -1;
  *x = lx;
  for (size_t i = 0; i < dialog.items.size(); ++i) {
    if (DialogIsFocusable(dialog.items[i].kind) && UiInside(ItemRect(dialog, dialog.items[i]), lx, ly)) return int(i);
  }
  return -1;
}

void HandleKeyDown(DialogWindow* dialog, const SDL_Keysym& key) {
  const bool composing = !dialog->composition.empty();
  const bool buttonFocused = dialog->focus >= 0 && IsButton(dialog->items[size_t(dialog->focus)]);
  switch (key.sym) {
    case SDLK_ESCAPE:
      if (!composing) Command(dialog, DialogCancelCommand);
      return;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      if (!composing) Command(dialog, DialogEnterCommand(dialog->dialogTemplate, dialog->focus));
      return;
    case SDLK_TAB:
      if (!composing)
        SetFocus(dialog, DialogNextFocus(dialog->dialogTemplate, dialog->focus, (key.mod & KMOD_SHIFT) ? -1 : 1), true);
      return;
    case SDLK_SPACE:
      if (buttonFocused && !key.mod) {
        dialog->pressed = dialog->focus;
        dialog->pressedInside = true;
        dialog->pressedByKey = true;
        ModalInvalidate();
      }
      return;
    default:
      // While the input method composes, it owns the editing keys.
      if (!composing) EditKey(dialog, key);
      return;
  }
}

void HandleEvent(DialogWindow* dialog, const SDL_Event& event) {
  switch (ModalFilter(event)) {
    case ModalEventTaken:
      return;
    case ModalEventDismiss:
      Command(dialog, DialogCancelCommand);
      return;
    case ModalEventOwn:
      break;
  }
  int x = 0;
  switch (event.type) {
    case SDL_KEYDOWN:
      HandleKeyDown(dialog, event.key.keysym);
      break;
    case SDL_KEYUP:
      if (event.key.keysym.sym == SDLK_SPACE && dialog->pressedByKey) {
        const int index = dialog->pressed;
        dialog->pressed = -1;
        dialog->pressedByKey = false;
        ModalInvalidate();
        if (index >= 0) Command(dialog, dialog->items[size_t(index)].id);
      }
      break;
    case SDL_TEXTINPUT:
      EditTypeText(dialog, event.text.text);
      break;
    case SDL_TEXTEDITING:
      EditComposition(dialog, event.edit.text, event.edit.start);
      break;
    case SDL_MOUSEBUTTONDOWN: {
      if (event.button.button != SDL_BUTTON_LEFT) break;
      const int index = ItemAt(*dialog, event.button.x, event.button.y, &x);
      if (index < 0) break;
      if (index != dialog->focus) SetFocus(dialog, index, false);
      if (IsEdit(dialog->items[size_t(index)])) {
        EditClick(dialog, index, x);
      } else {
        dialog->pressed = index;
        dialog->pressedInside = true;
        dialog->pressedByKey = false;
      }
      ModalInvalidate();
      break;
    }
    case SDL_MOUSEMOTION:
      if (dialog->pressed >= 0 && !dialog->pressedByKey) {
        const bool inside = ItemAt(*dialog, event.motion.x, event.motion.y, &x) == dialog->pressed;
        if (inside != dialog->pressedInside) ModalInvalidate();
        dialog->pressedInside = inside;
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT || dialog->pressed < 0 || dialog->pressedByKey) break;
      {
        const int index = dialog->pressed;
        const bool inside = ItemAt(*dialog, event.button.x, event.button.y, &x) == index;
        dialog->pressed = -1;
        ModalInvalidate();
        if (inside) Command(dialog, dialog->items[size_t(index)].id);
      }
      break;
    default:
      break;
  }
}

void BlinkCaret(DialogWindow* dialog) {
  const Uint32 now = SDL_GetTicks();
  if (int(now - dialog->caretToggleAt) < 0) return;
  dialog->caretVisible = !dialog->caretVisible;
  dialog->caretToggleAt = now + CaretBlinkMs;
  ModalInvalidate();
}

int WaitTimeout(const DialogWindow& dialog) {
  const int left = int(dialog.caretToggleAt - SDL_GetTicks());
  return left < 1 ? 1 : left > CaretBlinkMs ? CaretBlinkMs : left;
}

}  // namespace

bool sdl_backend::IsEdit(const DialogItem& item) { return item.kind == DialogEdit; }
bool sdl_backend::IsButton(const DialogItem& item) { return DialogIsButton(item.kind); }

UiRect sdl_backend::ItemRect(const DialogWindow& dialog, const DialogItem& item) {
  return UiRect{dialog.client.x + item.rect.x, dialog.client.y + item.rect.y, item.rect.w, item.rect.h};
}

int PlatformRunDialog(const DialogTemplate* dialogTemplate, DialogProcedure procedure) {
  if (!DialogTemplateRuns(dialogTemplate, procedure)) return -1;
  DialogWindow dialog;
  dialog.dialogTemplate = dialogTemplate;
  dialog.procedure = procedure;
  dialog.focus = -1;
  dialog.pressed = -1;
  dialog.pressedInside = false;
  dialog.pressedByKey = false;
  dialog.ended = false;
  dialog.result = 0;
  dialog.compositionCursor = 0;
  dialog.caretVisible = true;
  dialog.caretToggleAt = 0;
  Build(&dialog, dialogTemplate);
  // A window of the dialog's own is as large as the dialog wants.
  const DialogRect own = DialogClientRect(dialogTemplate, 4096, 4096, true);
  if (!ModalBegin(own.width + 2 * Border, own.height + 2 * Border, "KXS")) return -1;
  Place(&dialog);
  const bool textInputBefore = SDL_IsTextInputActive();
  procedure(&dialog, DialogInit, 0);
  if (!dialog.ended) {
    SetFocus(&dialog, DialogInitialFocus(dialogTemplate), true);
    ModalPushLayer(DrawDialog, &dialog);
    while (!dialog.ended) {
      ModalRenderIfNeeded();
      SDL_Event event;
      if (SDL_WaitEventTimeout(&event, WaitTimeout(dialog))) HandleEvent(&dialog, event);
      BlinkCaret(&dialog);
    }
    ModalPopLayer();
  }
  // A dialog opened from another's command leaves the outer one's entry on.
  if (!textInputBefore) StopTextEntry();
  ModalEnd();
  return dialog.result;
}

void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  const DialogItem* item = FindItem(dialog, controlId);
  if (!item) {
    buffer[0] = '\0';
    return;
  }
  FieldCopyOut(item->text, buffer, size);
}

void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text) {
  DialogItem* item = FindItem(dialog, controlId);
  if (!item) return;
  item->text = DialogHeldText(dialog->dialogTemplate->controls[item - dialog->items.data()], text);
  item->caret = int(item->text.size());
  item->selectAll = false;
  item->scroll = 0;
  ModalInvalidate();
}

void PlatformEndDialog(DialogWindow* dialog, int result) {
  if (!dialog) return;
  dialog->ended = true;
  dialog->result = result;
}
