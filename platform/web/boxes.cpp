// SPDX-License-Identifier: GPL-2.0-or-later
// Message boxes as HTML over the canvas. The shared rules decide everything
// here: the page is handed the caption and the wrapped lines in UTF-8, the
// buttons with their labels and answers, and what each key does with each
// button focused; it only shows them and reports the answer.
#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "platform/box_rules.h"
#include "platform/platform.h"

namespace {

// The browser's names of the keys a box answers to.
struct KeyNames {
  BoxKey key;
  const char* names[5];
};
const KeyNames BoxKeyNames[] = {
    {BoxKeyEnter, {"Enter", "NumpadEnter"}},
    {BoxKeySpace, {"Space"}},
    {BoxKeyEscape, {"Escape"}},
    {BoxKeyYes, {"KeyY"}},
    {BoxKeyNo, {"KeyN"}},
    {BoxKeyNext, {"Tab", "ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown"}},
};

}  // namespace

EM_JS(int, web_text_width, (const char* utf8, int pixels), { return KXS.textWidth(UTF8ToString(utf8), pixels); });
EM_JS(void, web_box_open, (const char* caption, const char* text, int stop, int pixels),
      { KXS.boxOpen(UTF8ToString(caption), UTF8ToString(text), stop != 0, pixels); });
EM_JS(void, web_box_button, (const char* label, int answer, int isDefault),
      { KXS.boxButton(UTF8ToString(label), answer, isDefault != 0); });
EM_JS(void, web_box_key, (const char* name, int focus, int answer, int focusAfter),
      { KXS.boxKey(UTF8ToString(name), focus, answer, focusAfter); });
EM_ASYNC_JS(int, web_box_run, (int focus), { return await KXS.boxRun(focus); });

static int MeasureLine(const char* utf8, void*) { return web_text_width(utf8, BoxFontPixels); }

int PlatformMessageBox(const char* text, const char* caption, int style) {
  const BoxStyle box = DecodeBoxStyle(style);
  const std::vector<std::string> wrapped = BoxLinesUtf8(text, MaxBoxLineWidth, MeasureLine, nullptr);
  std::string lines;
  for (size_t i = 0; i < wrapped.size(); ++i) lines += (i > 0 ? "\n" : "") + wrapped[i];
  web_box_open(BoxCaptionUtf8(caption).c_str(), lines.c_str(), box.stopIcon ? 1 : 0, BoxFontPixels);
  const int focus = 0;
  for (int i = 0; i < BoxButtonCount(box); ++i) {
    web_box_button(BoxButtonLabel(box, i), BoxButtonAnswer(box, i), i == focus ? 1 : 0);
  }
  for (const KeyNames& key : BoxKeyNames) {
    for (const char* name : key.names) {
      if (!name) continue;
      for (int i = 0; i < BoxButtonCount(box); ++i) {
        const BoxKeyAction action = BoxKeyPress(box, key.key, i);
        web_box_key(name, i, action.answer, action.focus);
      }
    }
  }
  return web_box_run(focus);
}
