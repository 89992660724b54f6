// SPDX-License-Identifier: GPL-2.0-or-later
// Dialogs: the template written as an in-memory DLGTEMPLATE and run by the
// system with DialogBoxIndirectParamW. The shared rules decide which
// templates run, what text a control holds and an edit field's byte limit;
// the game's procedure gets the init and command calls.
#include <string>
#include <vector>

#include "platform/dialog_rules.h"
#include "platform/field_text.h"
#include "platform/platform.h"
#include "platform/win32/win32_internal.h"

using namespace win32_backend;

struct DialogWindow {
  HWND window;
  const DialogTemplate* dialogTemplate;
  DialogProcedure procedure;
  bool adjusting;  // an edit field is being cut back to its limit
};

namespace {

const wchar_t FontName[] = L"Malgun Gothic";
const WORD ButtonClass = 0x0080, EditClass = 0x0081, StaticClass = 0x0082;

void PutWord(std::vector<WORD>* out, WORD value) { out->push_back(value); }
void PutDword(std::vector<WORD>* out, DWORD value) {
  out->push_back(WORD(value & 0xFFFF));
  out->push_back(WORD(value >> 16));
}
void PutString(std::vector<WORD>* out, const wchar_t* text) {
  for (; *text; ++text) out->push_back(WORD(*text));
  out->push_back(0);
}

DWORD ControlStyle(const DialogControl& control) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (control.flags & DialogBorder) style |= WS_BORDER;
  if (control.flags & DialogTabStop) style |= WS_TABSTOP;
  switch (control.kind) {
    case DialogEdit:
      return style | ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP;
    case DialogButton:
      return style | BS_PUSHBUTTON | WS_TABSTOP;
    case DialogDefaultButton:
      return style | BS_DEFPUSHBUTTON | WS_TABSTOP;
    case DialogStatic:
      break;
  }
  return style | ((control.flags & DialogAlignCentre) ? SS_CENTER : SS_LEFT);
}

WORD ControlClass(DialogControlKind kind) {
  if (kind == DialogEdit) return EditClass;
  return DialogIsButton(kind) ? ButtonClass : StaticClass;
}

// Every control's first text goes into the template: a static without an
// id cannot be reached once it is made.
std::vector<WORD> BuildTemplate(const DialogTemplate* t) {
  std::vector<WORD> out;
  DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
  if (t->centred) style |= DS_CENTER;
  PutDword(&out, style);
  PutDword(&out, 0);
  PutWord(&out, WORD(t->controlCount));
  PutWord(&out, WORD(t->x));
  PutWord(&out, WORD(t->y));
  PutWord(&out, WORD(t->width));
  PutWord(&out, WORD(t->height));
  PutWord(&out, 0);  // no menu
  PutWord(&out, 0);  // the system's dialog class
  PutString(&out, L"KXS");
  PutWord(&out, WORD(t->fontPoints > 0 ? t->fontPoints : 9));
  PutString(&out, FontName);
  for (int i = 0; i < t->controlCount; ++i) {
    const DialogControl& control = t->controls[i];
    if (out.size() % 2) PutWord(&out, 0);  // items start on a DWORD
    PutDword(&out, ControlStyle(control));
    PutDword(&out, 0);
    PutWord(&out, WORD(control.x));
    PutWord(&out, WORD(control.y));
    PutWord(&out, WORD(control.width));
    PutWord(&out, WORD(control.height));
    PutWord(&out, WORD(control.id));  // -1 becomes 0xFFFF, the system's "no id"
    PutWord(&out, 0xFFFF);
    PutWord(&out, ControlClass(control.kind));
    const std::string held = DialogHeldText(control, control.text ? control.text : "");
    PutString(&out, WideOfWansung(held.data(), held.size()).c_str());
    PutWord(&out, 0);  // no creation data
  }
  return out;
}

// An edit field holds at most its limit in Wansung bytes; the system counts
// characters, so a change past the limit is cut back here.
void KeepFieldLimit(DialogWindow* dialog, int index) {
  const DialogControl& control = dialog->dialogTemplate->controls[index];
  HWND field = GetDlgItem(dialog->window, control.id);
  const int length = GetWindowTextLengthW(field);
  std::wstring wide(size_t(length) + 1, L'\0');
  GetWindowTextW(field, wide.data(), length + 1);
  const std::string wansung = WansungOfWide(wide.c_str());
  const std::string held = FieldFit(wansung, FieldByteLimit(control.maxBytes));
  if (held.size() == wansung.size()) return;
  dialog->adjusting = true;
  SetWindowTextW(field, WideOfWansung(held.data(), held.size()).c_str());
  SendMessageW(field, EM_SETSEL, WPARAM(-1), LPARAM(-1));
  dialog->adjusting = false;
  MessageBeep(MB_OK);
}

void Initialise(DialogWindow* dialog) {
  const DialogTemplate* t = dialog->dialogTemplate;
  for (int i = 0; i < t->controlCount; ++i) {
    const DialogControl& control = t->controls[i];
    if (control.kind == DialogEdit) {
      SendDlgItemMessageW(dialog->window, control.id, EM_LIMITTEXT, WPARAM(FieldByteLimit(control.maxBytes)), 0);
    }
  }
  dialog->procedure(dialog, DialogInit, 0);
  const int focus = DialogInitialFocus(t);
  if (focus >= 0) SetFocus(GetDlgItem(dialog->window, t->controls[focus].id));
}

INT_PTR CALLBACK DialogMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogWindow* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      dialog = reinterpret_cast<DialogWindow*>(lParam);
      dialog->window = window;
      SetWindowLongPtrW(window, DWLP_USER, LONG_PTR(dialog));
      Initialise(dialog);
      return FALSE;  // the focus is set
    case WM_COMMAND: {
      if (!dialog) return FALSE;
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) == EN_CHANGE) {
        const int index = DialogControlIndex(dialog->dialogTemplate, id);
        if (index >= 0 && !dialog->adjusting) KeepFieldLimit(dialog, index);
        return TRUE;
      }
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      // Enter sends the default button's id or IDOK, Escape IDCANCEL (2).
      return dialog->procedure(dialog, DialogCommand, id) ? TRUE : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

int PlatformRunDialog(const DialogTemplate* dialogTemplate, DialogProcedure procedure) {
  if (!DialogTemplateRuns(dialogTemplate, procedure)) return -1;
  const std::vector<WORD> memory = BuildTemplate(dialogTemplate);
  DialogWindow dialog{nullptr, dialogTemplate, procedure, false};
  BeginModal();
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()), GameWindow(),
                              DialogMessages, reinterpret_cast<LPARAM>(&dialog));
  EndModal();
  return int(result);
}

void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  buffer[0] = '\0';
  if (!dialog || !dialog->window) return;
  const int index = DialogControlIndex(dialog->dialogTemplate, controlId);
  if (index < 0) return;
  HWND control = GetDlgItem(dialog->window, controlId);
  const int length = GetWindowTextLengthW(control);
  std::wstring wide(size_t(length) + 1, L'\0');
  GetWindowTextW(control, wide.data(), length + 1);
  const std::string held = DialogHeldText(dialog->dialogTemplate->controls[index], WansungOfWide(wide.c_str()).c_str());
  FieldCopyOut(held, buffer, size);
}

void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text) {
  if (!dialog || !dialog->window) return;
  const int index = DialogControlIndex(dialog->dialogTemplate, controlId);
  if (index < 0) return;
  const std::string held = DialogHeldText(dialog->dialogTemplate->controls[index], text ? text : "");
  dialog->adjusting = true;
  SetDlgItemTextW(dialog->window, controlId, WideOfWansung(held.data(), held.size()).c_str());
  dialog->adjusting = false;
}

void PlatformEndDialog(DialogWindow* dialog, int result) {
  if (dialog && dialog->window) EndDialog(dialog->window, result);
}
