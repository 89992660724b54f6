// Events, time and the pointer. The page keeps the input queue (its
// listeners run while the game waits for a frame); the game takes events
// from it one at a time.
#include <emscripten/emscripten.h>

#include "platform/platform.h"

EM_JS(int, web_take_event, (int32_t* fields), {
  const event = KXS.takeEvent();
  if (!event) return 0;
  HEAP32.set([event.type, event.x, event.y, event.key, event.active], fields >> 2);
  return 1;
});
EM_ASYNC_JS(void, web_wait_event, (), { await KXS.waitEvent(); });
EM_JS(double, web_milliseconds, (), { return KXS.milliseconds(); });
EM_JS(double, web_calendar_seconds, (), { return Math.floor(Date.now() / 1000); });
EM_JS(void, web_show_pointer, (int visible), { KXS.showPointer(visible != 0); });

bool PlatformPollEvent(PlatformEvent* event) {
  int32_t fields[5];
  if (!event || !web_take_event(fields)) return false;
  *event = PlatformEvent{static_cast<PlatformEventType>(fields[0]), fields[1], fields[2], fields[3], fields[4]};
  return true;
}

void PlatformWaitEvent() { web_wait_event(); }

// Wraps after 49.7 days, as timeGetTime does.
uint32_t PlatformMilliseconds() { return static_cast<uint32_t>(static_cast<uint64_t>(web_milliseconds())); }

int64_t PlatformCalendarSeconds() { return static_cast<int64_t>(web_calendar_seconds()); }

void PlatformShowPointer(bool visible) { web_show_pointer(visible ? 1 : 0); }
