// The replay-script language of kxs-replay.
#pragma once

#include <string>
#include <vector>

enum ReplayCommandKind {
  ReplayMove,
  ReplayClick,
  ReplayKey,
  ReplayFrames,
  ReplayUntil,
  ReplayAnswer,
  ReplayDialog,
  ReplaySnapshot,
};

struct ReplayCommand {
  ReplayCommandKind kind;
  int line;                        // 1-based line of the script
  int a = 0, b = 0;                // move/click: x, y; key: code; frames/until: count; answer/dialog: button
  std::string text;                // until: screen name; snapshot: file
  std::vector<std::string> fields; // dialog: field texts, UTF-8
};

// Parses a whole script; "repeat N" ... "end" (nested or not) are unrolled
// into their commands N times. On a mistake returns false with
// "line N: what".
bool ParseReplayScript(const std::string& script, std::vector<ReplayCommand>* commands, std::string* error);

// The virtual-key code of a key word (ESC, ENTER, SPACE, F7, F8, F11, F12)
// or a decimal number; -1 when it is neither.
int ReplayKeyCode(const std::string& word);
