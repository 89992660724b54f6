// SPDX-License-Identifier: GPL-2.0-or-later
// The rules of a running dialog, the same on every backend: which templates
// run, where the dialog and its controls stand in pixels, its font size, the
// texts its controls hold, the focus and what Enter and Escape send. The
// backends only draw the result and read the player's input.
#pragma once

#include <string>

#include "platform/platform.h"

// The grey frame around a dialog's client area, in pixels.
constexpr int DialogFrameBorder = 3;
// More than any template has. A template with more, with a negative count or
// with no controls behind its count is broken: it does not run (as a dialog
// the system cannot create), PlatformRunDialog returns -1 at once and the
// procedure is never called.
constexpr int MaxDialogControls = 255;
// The most bytes a control keeps of a text, and the most a static or a
// button shows: more than any control can show, and longer texts would only
// slow every redraw.
constexpr int MaxDialogTextBytes = 4096;
constexpr int MaxDialogLabelBytes = 1024;
// The command Escape (and closing the dialog) sends; Enter's is 1 unless a
// button says otherwise.
constexpr int DialogCancelCommand = 2;
constexpr int DialogOkCommand = 1;

struct DialogRect {
  int x, y, width, height;
};

bool DialogTemplateRuns(const DialogTemplate* dialogTemplate, DialogProcedure procedure);

// The pixel size of the template's font: its base height is a line of the
// font, and the Korean font's line is its size plus two.
int DialogFontPixels(const DialogTemplate* dialogTemplate);

// The client area on a screen of screenWidth x screenHeight: where the
// template puts it, or centred (when it asks to be, or when the screen is a
// window of the dialog's own), no larger than the screen inside the frame,
// moved as a whole so that its frame stays on the screen.
DialogRect DialogClientRect(const DialogTemplate* dialogTemplate, int screenWidth, int screenHeight, bool centred);
// A control's rectangle, relative to the client area.
DialogRect DialogControlRect(const DialogTemplate* dialogTemplate, int index);

bool DialogIsButton(DialogControlKind kind);
bool DialogIsFocusable(DialogControlKind kind);
// The index of the first control with this id, -1 for none.
int DialogControlIndex(const DialogTemplate* dialogTemplate, int controlId);

// The text a control holds when given text: an edit field's fitted to its
// byte limit, any other's cut at MaxDialogTextBytes, never within a
// character.
std::string DialogHeldText(const DialogControl& control, const char* text);
// A held text as a static or a button shows it, in UTF-8.
std::string DialogLabelUtf8(const std::string& held);

// The control that has the focus first: the first edit field, else the
// default button, else the first button; -1 for none.
int DialogInitialFocus(const DialogTemplate* dialogTemplate);
// The next focusable control after focus (direction 1: Tab) or before it
// (-1: Shift+Tab), around the end; focus -1 starts from the edge.
int DialogNextFocus(const DialogTemplate* dialogTemplate, int focus, int direction);
// The id of the first default button, else 1.
int DialogDefaultCommand(const DialogTemplate* dialogTemplate);
// What Enter sends while the control at focus has it (-1: none): a focused
// button its own id, anything else the default button's.
int DialogEnterCommand(const DialogTemplate* dialogTemplate, int focus);
// The button drawn as the default one while focus has the focus: a focused
// button, else the default button; -1 for none.
int DialogShownDefault(const DialogTemplate* dialogTemplate, int focus);
