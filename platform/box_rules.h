// The rules of a message box, the same on every backend: what its style
// means, its buttons and their answers, what each key answers, how much of
// its texts it shows and in which lines, and the answer when it cannot be
// shown at all. The backends only draw it and read the player's input.
#pragma once

#include <string>
#include <vector>

// The most a box shows: bytes of its text, lines after wrapping, bytes of
// its caption (one short line; a title bar shows no more).
constexpr int MaxBoxTextBytes = 4096;
constexpr int MaxBoxLines = 24;
constexpr int MaxBoxCaptionBytes = 256;
// The text's font size and the widest line, in pixels.
constexpr int BoxFontPixels = 12;
constexpr int MaxBoxLineWidth = 500;

struct BoxStyle {
  bool yesNo;     // Yes and No, else OK
  bool stopIcon;  // the stop sign beside the text
};

BoxStyle DecodeBoxStyle(int style);

int BoxButtonCount(BoxStyle style);
// The label in UTF-8 and the answer of the button at index (left first).
const char* BoxButtonLabel(BoxStyle style, int index);
// The labels are the game's Korean, shown through this lookup when one is
// set (the game sets its catalogue's, which knows the language chosen).
using BoxLabelLookup = const char* (*)(const char* utf8);
void SetBoxLabelLookup(BoxLabelLookup lookup);
int BoxButtonAnswer(BoxStyle style, int index);
// The answer that changes nothing: Escape's, a closed window's, and the
// answer when the box cannot be shown at all (its text then goes to the
// error output).
int BoxDismissAnswer(BoxStyle style);

enum BoxKey {
  BoxKeyEnter,   // Enter and the keypad's Enter
  BoxKeySpace,
  BoxKeyEscape,
  BoxKeyYes,     // Y
  BoxKeyNo,      // N
  BoxKeyNext,    // Tab and the arrows
};
constexpr int BoxKeyCount = BoxKeyNext + 1;

// What a key does while the button at focus has the focus: an answer that
// closes the box, or (answer 0) the focus afterwards.
struct BoxKeyAction {
  int answer;
  int focus;
};
BoxKeyAction BoxKeyPress(BoxStyle style, BoxKey key, int focus);

// The caption as the box shows it, UTF-8 (a null caption is empty).
std::string BoxCaptionUtf8(const char* caption);
// The text in UTF-8 lines no wider than maxWidth by textWidth (which
// measures a UTF-8 line in the backend's font): line feeds end lines,
// carriage returns are dropped, tabs are blanks, a line too wide breaks
// after its last blank that fits, else between characters; at most
// MaxBoxLines lines.
using BoxTextWidth = int (*)(const char* utf8, void* context);
std::vector<std::string> BoxLinesUtf8(const char* text, int maxWidth, BoxTextWidth textWidth, void* context);
