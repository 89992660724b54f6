// Controls of the headless backend, for the replay harness and the tests.
// Nothing is shown: a fake clock advances a fixed step at every flip, message
// boxes and dialogs take their answers from queues, and every box, dialog,
// sound and screen change is written to a log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

// Returns everything to the state of a fresh process: queues, log, clock,
// palette, back buffer, pointer, failure.
void HeadlessReset();

void HeadlessPushEvent(const PlatformEvent& event);
bool HeadlessEventsPending();

// Clock advance per flip in milliseconds (default 16).
void HeadlessSetClockStep(uint32_t milliseconds);
void HeadlessAdvanceClock(uint32_t milliseconds);
void HeadlessSetCalendarSeconds(int64_t seconds);

// The answer (AnswerOk, AnswerYes, AnswerNo) for the next message box.
void HeadlessQueueBoxAnswer(int answer);

// Field texts (UTF-8, in the order of the template's edit fields) and the
// closing button (1 OK, 2 Cancel) for the next dialog command. Each text is
// typed as a player types it: characters without a Wansung code are left
// out, and typing stops at the field's byte limit.
void HeadlessQueueDialog(const std::vector<std::string>& fieldsUtf8, int button);

// Also logs the texts of each dialog's captions, labels and buttons when it
// opens (off by default).
void HeadlessSetLogDialogTexts(bool logged);

// Pretends that another instance of the game runs.
void HeadlessSetOtherInstanceRunning(bool running);

// The locale PlatformUserLocale reports ("" by default: a run does not
// depend on the machine's settings).
void HeadlessSetUserLocale(const char* locale);

// The log: lines in UTF-8, without their line ends.
void HeadlessLog(const std::string& line);
const std::vector<std::string>& HeadlessLogLines();
// Also writes every new log line to this file as it arrives (nullptr: none).
void HeadlessSetLogFile(std::FILE* file);

// A run fails when the game asks for something no queue can answer (a Yes/No
// box or a dialog with no queued answer). The first reason is kept.
bool HeadlessFailed();
void HeadlessFail(const std::string& reason);
const std::string& HeadlessFailure();

// Frames flipped since the last reset.
uint64_t HeadlessFlipCount();
// The last flipped picture (640x480 palette indices).
const uint8_t* HeadlessLastFrame();
// Writes the last flipped picture as an RGB PNG through the same palette
// expansion as the window.
bool HeadlessWriteSnapshot(const char* path);

bool HeadlessPointerVisible();
