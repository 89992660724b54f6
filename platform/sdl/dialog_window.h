// SPDX-License-Identifier: GPL-2.0-or-later
// One running dialog and its controls, shared by the dialog loop
// (dialogs.cpp) and the edit fields' text entry (text_input.cpp).
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/ui_draw.h"

namespace sdl_backend {

struct DialogItem {
  int id;
  DialogControlKind kind;
  int flags;
  int limit;         // the field's bytes, by the shared rule
  UiRect rect;       // logical pixels, relative to the dialog's client area
  std::string text;  // Wansung
  int caret;         // byte offset, always at a character start
  bool selectAll;    // the whole text is selected (a field entered with Tab)
  int scroll;        // pixels of text scrolled out on the left
};

}  // namespace sdl_backend

// The backend's side of the handle platform.h hands to dialog procedures.
struct DialogWindow {
  const DialogTemplate* dialogTemplate;
  DialogProcedure procedure;
  std::vector<sdl_backend::DialogItem> items;
  sdl_backend::UiRect client;  // logical pixels on the modal picture
  int fontSize;
  int focus;    // item index, -1 none
  int pressed;  // button held by the mouse or the space bar, -1 none
  bool pressedInside;
  bool pressedByKey;
  bool ended;
  int result;
  std::string composition;  // UTF-8 text the input method is composing
  int compositionCursor;    // in characters
  bool caretVisible;
  unsigned caretToggleAt;  // SDL ticks
};

namespace sdl_backend {

bool IsEdit(const DialogItem& item);
bool IsButton(const DialogItem& item);

// The rectangle of an item on the modal picture.
UiRect ItemRect(const DialogWindow& dialog, const DialogItem& item);

// Edit fields (text_input.cpp).
void EditFocusChanged(DialogWindow* dialog, bool byTab);
// Typed or committed text in UTF-8 for the focused field.
void EditTypeText(DialogWindow* dialog, const char* utf8);
void EditComposition(DialogWindow* dialog, const char* utf8, int cursor);
// Editing keys of the focused field; true when the key was one.
bool EditKey(DialogWindow* dialog, const SDL_Keysym& key);
// Places the caret of item at a click at logical x.
void EditClick(DialogWindow* dialog, int index, int x);
void DrawEdit(DialogWindow* dialog, UiCanvas* canvas, DialogItem* item, bool focused);
void StopTextEntry();

}  // namespace sdl_backend
