#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"

void HeadlessPushEvent(const PlatformEvent& event) { Headless().events.push_back(event); }

bool HeadlessEventsPending() { return !Headless().events.empty(); }

bool PlatformPollEvent(PlatformEvent* event) {
  HeadlessState& s = Headless();
  if (s.events.empty()) return false;
  *event = s.events.front();
  s.events.pop_front();
  return true;
}

// Nothing ever arrives on its own here: waiting would never end.
void PlatformWaitEvent() {}

uint32_t PlatformMilliseconds() { return Headless().clock; }

int64_t PlatformCalendarSeconds() { return Headless().calendar; }

void HeadlessSetClockStep(uint32_t milliseconds) { Headless().clockStep = milliseconds; }
void HeadlessAdvanceClock(uint32_t milliseconds) { Headless().clock += milliseconds; }
void HeadlessSetCalendarSeconds(int64_t seconds) { Headless().calendar = seconds; }

bool PlatformClaimSingleInstance() { return !Headless().otherInstance; }
void HeadlessSetOtherInstanceRunning(bool running) { Headless().otherInstance = running; }

const char* PlatformUserLocale() { return Headless().userLocale.c_str(); }
void HeadlessSetUserLocale(const char* locale) { Headless().userLocale = locale ? locale : ""; }

void PlatformShowPointer(bool visible) { Headless().pointerVisible = visible; }
bool PlatformPointerIsTouch() { return false; }
bool HeadlessPointerVisible() { return Headless().pointerVisible; }

void PlatformPlaySound(const char* path, bool loop) {
  HeadlessLog(std::string("sound ") + (path ? path : "") + (loop ? " loop" : ""));
}
