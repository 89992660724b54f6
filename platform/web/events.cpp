// Events, time and the pointer. The page collects the browser's input as it
// comes (its listeners run while the game waits for a frame); here it goes
// through the shared queue, which merges, bounds and orders it, and the game
// takes it one event at a time.
#include <emscripten/emscripten.h>

#include "platform/event_queue.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"

namespace {

// The kinds of the page's input, in the order of the names below.
enum PageInput { PageInputNone, PageInputMove, PageInputUp, PageInputKey, PageInputActivate };
constexpr int KeyNameBytes = 32;

struct PageEvent {
  int32_t x, y, active;
  char keyName[KeyNameBytes];  // KeyboardEvent.code
};

}  // namespace

EM_JS(int, web_take_input, (PageEvent* event, int nameBytes), {
  const e = KXS.takeInput();
  if (!e) return 0;
  HEAP32.set([e.x | 0, e.y | 0, e.active | 0], event >> 2);
  stringToUTF8(e.code || "", event + 12, nameBytes);
  return ["move", "up", "key", "activate"].indexOf(e.kind) + 1;
});
EM_ASYNC_JS(void, web_wait_input, (), { await KXS.waitInput(); });
EM_JS(double, web_milliseconds, (), { return KXS.milliseconds(); });
EM_JS(double, web_calendar_seconds, (), { return Math.floor(Date.now() / 1000); });
EM_JS(void, web_show_pointer, (int visible), { KXS.showPointer(visible != 0); });
EM_JS(int, web_pointer_is_touch, (), { return KXS.pointerIsTouch() ? 1 : 0; });

// Moves the page's input into the game's queue until an event waits there.
static void TakePageInput() {
  PageEvent e{};
  while (!GameEventWaiting()) {
    switch (web_take_input(&e, KeyNameBytes)) {
      case PageInputNone:
        return;
      case PageInputMove:
        QueuePointer(PlatformEventMouseMove, e.x, e.y);
        break;
      case PageInputUp:
        QueuePointer(PlatformEventLeftButtonUp, e.x, e.y);
        break;
      case PageInputKey:
        if (const int key = VirtualKeyOfKeyName(e.keyName)) {
          QueueGameEvent(PlatformEvent{PlatformEventKeyDown, 0, 0, key, 0});
        }
        break;
      case PageInputActivate:
        QueueActivation(e.active != 0);
        break;
      default:
        break;
    }
  }
}

bool PlatformPollEvent(PlatformEvent* event) {
  if (!event) return false;
  TakePageInput();
  return TakeGameEvent(event);
}

void PlatformWaitEvent() {
  for (TakePageInput(); !GameEventWaiting(); TakePageInput()) web_wait_input();
}

// Wraps after 49.7 days, as timeGetTime does.
uint32_t PlatformMilliseconds() { return static_cast<uint32_t>(static_cast<uint64_t>(web_milliseconds())); }

int64_t PlatformCalendarSeconds() { return static_cast<int64_t>(web_calendar_seconds()); }

void PlatformShowPointer(bool visible) { web_show_pointer(visible ? 1 : 0); }

bool PlatformPointerIsTouch() { return web_pointer_is_touch() != 0; }
