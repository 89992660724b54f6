// SPDX-License-Identifier: GPL-2.0-or-later
// Text entry into the edit fields of dialogs: SDL's text input (with the
// input method's composition shown in the field) converted to Wansung, one
// whole character at a time, within the field's byte limit.
#include <string>

#include "platform/field_text.h"
#include "platform/sdl/dialog_window.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/wansung.h"

namespace sdl_backend {

namespace {

const int TextInset = 3;

DialogItem* FocusedEdit(DialogWindow* dialog) {
  if (dialog->focus < 0 || dialog->focus >= int(dialog->items.size())) return nullptr;
  DialogItem* item = &dialog->items[size_t(dialog->focus)];
  return IsEdit(*item) ? item : nullptr;
}

void CaretMoved(DialogWindow* dialog) {
  dialog->caretVisible = true;
  dialog->caretToggleAt = SDL_GetTicks() + 530;
  ModalInvalidate();
}

void ClearSelection(DialogItem* item) {
  if (!item->selectAll) return;
  item->text.clear();
  item->caret = 0;
  item->selectAll = false;
}

// Byte offset of the cursor'th character of a UTF-8 string.
size_t Utf8Offset(const std::string& text, int characters) {
  size_t at = 0;
  for (int i = 0; i < characters && at < text.size(); ++i)
    at += size_t(Utf8SequenceLength(text.data() + at, text.size() - at));
  return at;
}

void PlaceInputMethod(DialogWindow* dialog, const DialogItem& item) {
  const UiRect r = ItemRect(*dialog, item);
  SDL_Rect rect = ModalRectToWindow(r.x, r.y, r.w, r.h);
  SDL_SetTextInputRect(&rect);
}

}  // namespace

void StopTextEntry() {
  if (SDL_IsTextInputActive()) SDL_StopTextInput();
}

void EditFocusChanged(DialogWindow* dialog, bool byTab) {
  dialog->composition.clear();
  DialogItem* item = FocusedEdit(dialog);
  if (!item) {
    StopTextEntry();
    ModalInvalidate();
    return;
  }
  // Entered with Tab (or at the start) the whole text is selected, so that
  // typing replaces the "0" a field starts with.
  item->selectAll = byTab && !item->text.empty();
  item->caret = int(item->text.size());
  PlaceInputMethod(dialog, *item);
  if (!SDL_IsTextInputActive()) SDL_StartTextInput();
  CaretMoved(dialog);
}

void EditTypeText(DialogWindow* dialog, const char* utf8) {
  DialogItem* item = FocusedEdit(dialog);
  dialog->composition.clear();
  ModalInvalidate();
  if (!item || !utf8) return;
  const std::string text(utf8);
  size_t at = 0;
  while (at < text.size()) {
    const int length = Utf8SequenceLength(text.data() + at, text.size() - at);
    std::string wansung;
    // A character without a Wansung code is refused; the rest still counts.
    if (EncodeWansungChar(text.data() + at, size_t(length), &wansung)) {
      if (item->selectAll && wansung.size() <= size_t(item->limit)) ClearSelection(item);
      if (!FieldInsert(&item->text, &item->caret, wansung, item->limit)) break;  // full
    }
    at += size_t(length);
  }
  CaretMoved(dialog);
}

void EditComposition(DialogWindow* dialog, const char* utf8, int cursor) {
  DialogItem* item = FocusedEdit(dialog);
  if (!item) return;
  dialog->composition = utf8 ? utf8 : "";
  dialog->compositionCursor = cursor < 0 ? 0 : cursor;
  if (!dialog->composition.empty()) ClearSelection(item);
  CaretMoved(dialog);
}

static void Paste(DialogWindow* dialog) {
  char* clip = SDL_GetClipboardText();
  if (!clip) return;
  std::string text(clip);
  SDL_free(clip);
  const size_t end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
  EditTypeText(dialog, text.c_str());
}

bool EditKey(DialogWindow* dialog, const SDL_Keysym& key) {
  DialogItem* item = FocusedEdit(dialog);
  if (!item) return false;
  const bool control = (key.mod & KMOD_CTRL) != 0;
  switch (key.sym) {
    case SDLK_BACKSPACE:
      if (item->selectAll)
        ClearSelection(item);
      else
        FieldBackspace(&item->text, &item->caret);
      break;
    case SDLK_DELETE:
      if (item->selectAll)
        ClearSelection(item);
      else
        FieldDelete(&item->text, &item->caret);
      break;
    case SDLK_LEFT:
      item->caret = item->selectAll ? 0 : FieldPreviousBoundary(item->text, item->caret);
      item->selectAll = false;
      break;
    case SDLK_RIGHT:
      item->caret = item->selectAll ? int(item->text.size()) : FieldNextBoundary(item->text, item->caret);
      item->selectAll = false;
      break;
    case SDLK_HOME:
      item->caret = 0;
      item->selectAll = false;
      break;
    case SDLK_END:
      item->caret = int(item->text.size());
      item->selectAll = false;
      break;
    case SDLK_a:
      if (!control) return false;
      item->selectAll = !item->text.empty();
      break;
    case SDLK_v:
      if (!control) return false;
      Paste(dialog);
      return true;
    default:
      return false;
  }
  CaretMoved(dialog);
  return true;
}

// What the field shows: its text with the composition at the caret.
static std::string Shown(const DialogWindow& dialog, const DialogItem& item, bool focused, int* caretBytes) {
  const std::string before = DecodeWansung(item.text.data(), size_t(item.caret));
  const std::string after = DecodeWansung(item.text.data() + item.caret, item.text.size() - size_t(item.caret));
  if (!focused || dialog.composition.empty()) {
    *caretBytes = int(before.size());
    return before + after;
  }
  *caretBytes = int(before.size() + Utf8Offset(dialog.composition, dialog.compositionCursor));
  return before + dialog.composition + after;
}

void EditClick(DialogWindow* dialog, int index, int x) {
  DialogItem& item = dialog->items[size_t(index)];
  const UiRect r = ItemRect(*dialog, item);
  const int target = x - (r.x + TextInset) + item.scroll;
  int best = 0, bestDistance = 1 << 30;
  for (int at = 0;;) {
    const int width = UiTextWidth(dialog->fontSize, false, DecodeWansung(item.text.data(), size_t(at)).c_str());
    const int distance = width > target ? width - target : target - width;
    if (distance < bestDistance) {
      best = at;
      bestDistance = distance;
    }
    if (size_t(at) >= item.text.size() || width > target) break;
    at = FieldNextBoundary(item.text, at);
  }
  item.caret = best;
  item.selectAll = false;
  dialog->composition.clear();
  CaretMoved(dialog);
}

void DrawEdit(DialogWindow* dialog, UiCanvas* canvas, DialogItem* item, bool focused) {
  const UiRect r = ItemRect(*dialog, *item);
  UiFill(canvas, r, UiColour::White);
  UiBevel(canvas, r, UiSunken);
  const UiRect inner{r.x + 2, r.y + 2, r.w - 4, r.h - 4};
  int caretBytes = 0;
  const std::string shown = Shown(*dialog, *item, focused, &caretBytes);
  const int size = dialog->fontSize;
  const int caretX = UiTextWidth(size, false, shown.substr(0, size_t(caretBytes)).c_str());
  const int textWidth = UiTextWidth(size, false, shown.c_str());
  // Scrolls sideways just enough to keep the caret in view.
  const int room = inner.w - 2 * (TextInset - 2) - 1;
  if (caretX - item->scroll > room) item->scroll = caretX - room;
  if (caretX < item->scroll) item->scroll = caretX;
  if (item->scroll > 0 && textWidth - item->scroll < room) item->scroll = textWidth > room ? textWidth - room : 0;
  const int lineHeight = UiLineHeight(size, false);
  const int textX = r.x + TextInset - item->scroll, textY = r.y + (r.h - lineHeight) / 2;
  UiClip(canvas, &inner);
  if (focused && item->selectAll) {
    UiFill(canvas, UiRect{textX, textY, textWidth, lineHeight}, UiColour::Selection);
    UiText(canvas, textX, textY, size, false, shown.c_str(), UiColour::White);
  } else {
    UiText(canvas, textX, textY, size, false, shown.c_str(), UiColour::Black);
  }
  if (focused && !dialog->composition.empty()) {
    const int start = UiTextWidth(size, false, DecodeWansung(item->text.data(), size_t(item->caret)).c_str());
    const int width = UiTextWidth(size, false, dialog->composition.c_str());
    UiFill(canvas, UiRect{textX + start, textY + lineHeight - 1, width, 1}, UiColour::Black);
  }
  if (focused && dialog->caretVisible && !item->selectAll) {
    UiFill(canvas, UiRect{textX + caretX, textY, 1, lineHeight}, UiColour::Black);
  }
  UiClip(canvas, nullptr);
}

}  // namespace sdl_backend
