// State shared by the files of the headless backend.
#pragma once

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

struct QueuedDialog {
  std::vector<std::string> fieldsUtf8;
  int button;
};

struct HeadlessState {
  bool displayOpen = false;
  uint8_t palette[768] = {};
  // The back buffer has a wider pitch than a frame, as real surfaces may.
  static constexpr int Pitch = 704;
  std::vector<uint8_t> backBuffer = std::vector<uint8_t>(Pitch * 480, 0);
  bool locked = false;
  std::vector<uint8_t> lastFrame = std::vector<uint8_t>(640 * 480, 0);
  uint8_t lastFramePalette[768] = {};
  uint64_t flips = 0;
  uint32_t clock = 0;
  uint32_t clockStep = 16;
  int64_t calendar = 0;
  std::deque<PlatformEvent> events;
  std::deque<int> boxAnswers;
  std::deque<QueuedDialog> dialogs;
  bool otherInstance = false;
  std::string userLocale;
  bool logDialogTexts = false;
  bool pointerVisible = true;
  std::vector<std::string> log;
  std::FILE* logFile = nullptr;
  std::string failure;
};

HeadlessState& Headless();
