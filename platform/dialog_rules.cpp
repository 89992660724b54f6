// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/dialog_rules.h"

#include "platform/field_text.h"
#include "platform/wansung.h"

namespace {

// Windows rounds MulDiv(units, base, 4) to the nearest pixel.
int MulDivRounded(int value, int numerator, int denominator) {
  const long product = long(value) * numerator;
  const long half = denominator / 2;
  return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

bool IsDefaultButton(const DialogControl& control) { return control.kind == DialogDefaultButton; }

}  // namespace

int DialogUnitsToPixelsX(const DialogTemplate* dialogTemplate, int units) {
  return MulDivRounded(units, dialogTemplate->baseUnitX, 4);
}

int DialogUnitsToPixelsY(const DialogTemplate* dialogTemplate, int units) {
  return MulDivRounded(units, dialogTemplate->baseUnitY, 8);
}

bool DialogTemplateRuns(const DialogTemplate* t, DialogProcedure procedure) {
  if (!t || !procedure || t->controlCount < 0 || t->controlCount > MaxDialogControls) return false;
  return t->controlCount == 0 || t->controls != nullptr;
}

int DialogFontPixels(const DialogTemplate* t) { return Clamp(t->baseUnitY - 2, 11, 16); }

DialogRect DialogClientRect(const DialogTemplate* t, int screenWidth, int screenHeight, bool centred) {
  const int border = DialogFrameBorder;
  DialogRect r{DialogUnitsToPixelsX(t, t->x), DialogUnitsToPixelsY(t, t->y),
               Clamp(DialogUnitsToPixelsX(t, t->width), 1, screenWidth - 2 * border),
               Clamp(DialogUnitsToPixelsY(t, t->height), 1, screenHeight - 2 * border)};
  if (t->centred || centred) {
    r.x = (screenWidth - r.width) / 2;
    r.y = (screenHeight - r.height) / 2;
  }
  r.x = Clamp(r.x, border, screenWidth - r.width - border);
  r.y = Clamp(r.y, border, screenHeight - r.height - border);
  return r;
}

DialogRect DialogControlRect(const DialogTemplate* t, int index) {
  const DialogControl& c = t->controls[index];
  return DialogRect{DialogUnitsToPixelsX(t, c.x), DialogUnitsToPixelsY(t, c.y), DialogUnitsToPixelsX(t, c.width),
                    DialogUnitsToPixelsY(t, c.height)};
}

bool DialogIsButton(DialogControlKind kind) { return kind == DialogButton || kind == DialogDefaultButton; }

bool DialogIsFocusable(DialogControlKind kind) { return kind == DialogEdit || DialogIsButton(kind); }

int DialogControlIndex(const DialogTemplate* t, int controlId) {
  for (int i = 0; i < t->controlCount; ++i) {
    if (t->controls[i].id == controlId) return i;
  }
  return -1;
}

std::string DialogHeldText(const DialogControl& control, const char* text) {
  const std::string whole = text ? text : "";
  const int limit = control.kind == DialogEdit ? FieldByteLimit(control.maxBytes) : MaxDialogTextBytes;
  return FieldFit(whole, limit);
}

std::string DialogLabelUtf8(const std::string& held) { return DecodeWansung(FieldFit(held, MaxDialogLabelBytes)); }

int DialogInitialFocus(const DialogTemplate* t) {
  int defaultButton = -1, firstButton = -1;
  for (int i = 0; i < t->controlCount; ++i) {
    const DialogControl& c = t->controls[i];
    if (c.kind == DialogEdit) return i;
    if (defaultButton < 0 && IsDefaultButton(c)) defaultButton = i;
    if (firstButton < 0 && DialogIsButton(c.kind)) firstButton = i;
  }
  return defaultButton >= 0 ? defaultButton : firstButton;
}

int DialogNextFocus(const DialogTemplate* t, int focus, int direction) {
  const int count = t->controlCount;
  const int from = focus >= 0 && focus < count ? focus : (direction > 0 ? -1 : count);
  for (int step = 1; step <= count; ++step) {
    const int index = ((from + direction * step) % count + count) % count;
    if (DialogIsFocusable(t->controls[index].kind)) return index;
  }
  return focus;
}

int DialogDefaultCommand(const DialogTemplate* t) {
  for (int i = 0; i < t->controlCount; ++i) {
    if (IsDefaultButton(t->controls[i])) return t->controls[i].id;
  }
  return DialogOkCommand;
}

int DialogEnterCommand(const DialogTemplate* t, int focus) {
  if (focus >= 0 && focus < t->controlCount && DialogIsButton(t->controls[focus].kind)) return t->controls[focus].id;
  return DialogDefaultCommand(t);
}

int DialogShownDefault(const DialogTemplate* t, int focus) {
  if (focus >= 0 && focus < t->controlCount && DialogIsButton(t->controls[focus].kind)) return focus;
  for (int i = 0; i < t->controlCount; ++i) {
    if (IsDefaultButton(t->controls[i])) return i;
  }
  return -1;
}
