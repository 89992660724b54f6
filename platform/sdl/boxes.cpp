// SPDX-License-Identifier: GPL-2.0-or-later
// Message boxes: OK, Yes/No, and OK with the stop sign, drawn in the window
// over the last frame and answered with the mouse or the keyboard.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/box_rules.h"
#include "platform/field_text.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/sdl/ui_draw.h"
#include "platform/wansung.h"

using namespace sdl_backend;

namespace {

const int FontSize = BoxFontPixels;
const int Border = 3;
const int TitleHeight = 18;
const int Margin = 12;
const int IconSize = 32;
const int ButtonWidth = 75, ButtonHeight = 23, ButtonGap = 6;

struct Box {
  BoxStyle style;
  std::string caption;             // UTF-8
  std::vector<std::string> lines;  // UTF-8, wrapped
  int focus;                       // button index
  int pressed;                     // button held down with the mouse, -1 none
  bool pressedInside;
  int answer;         // 0 while open
  int width, height;  // the whole box
};

int MeasureLine(const char* utf8, void*) { return UiTextWidth(FontSize, false, utf8); }

int ButtonCount(const Box& box) { return BoxButtonCount(box.style); }

int TextLeft(const Box& box) { return Margin + (box.style.stopIcon ? IconSize + Margin : 0); }

int TextBlockHeight(const Box& box) {
  const int text = int(box.lines.size()) * UiLineHeight(FontSize, false);
  return box.style.stopIcon && text < IconSize ? IconSize : text;
}

void Measure(Box* box) {
  int textWidth = 0;
  for (const std::string& line : box->lines) {
    const int w = UiTextWidth(FontSize, false, line.c_str());
    if (w > textWidth) textWidth = w;
  }
  const int buttons = ButtonCount(*box) * ButtonWidth + (ButtonCount(*box) - 1) * ButtonGap;
  int client = TextLeft(*box) + textWidth + Margin;
  if (client < buttons + 2 * Margin) client = buttons + 2 * Margin;
  const int caption = UiTextWidth(FontSize, true, box->caption.c_str()) + 24;
  if (client < caption) client = caption;
  if (client > 620) client = 620;
  box->width = client + 2 * Border;
  box->height = Border + TitleHeight + Margin + TextBlockHeight(*box) + Margin + 4 + ButtonHeight + 10 + Border;
}

UiRect Frame(const Box& box) {
  return UiRect{(ModalWidth() - box.width) / 2, (ModalHeight() - box.height) / 2, box.width, box.height};
}

UiRect ButtonRect(const Box& box, int index) {
  const UiRect f = Frame(box);
  const int count = ButtonCount(box);
  const int total = count * ButtonWidth + (count - 1) * ButtonGap;
  const int y = f.y + f.h - Border - 10 - ButtonHeight;
  return UiRect{f.x + (f.w - total) / 2 + index * (ButtonWidth + ButtonGap), y, ButtonWidth, ButtonHeight};
}

void DrawBox(void* context, UiCanvas* canvas, bool top) {
  const Box& box = *static_cast<const Box*>(context);
  const UiRect f = Frame(box);
  UiFill(canvas, f, UiColour::Face);
  UiBevel(canvas, f, UiRaised);
  const UiRect title{f.x + Border, f.y + Border, f.w - 2 * Border, TitleHeight};
  UiFill(canvas, title, top ? UiColour::Title : UiColour::Disabled);
  UiClip(canvas, &title);
  UiText(canvas, title.x + 3, title.y + (TitleHeight - UiLineHeight(FontSize, true)) / 2, FontSize, true,
         box.caption.c_str(), UiColour::White);
  UiClip(canvas, nullptr);
  const int blockTop = title.y + TitleHeight + Margin;
  const int blockHeight = TextBlockHeight(box);
  if (box.style.stopIcon) UiStopIcon(canvas, f.x + Border + Margin, blockTop);
  const int lineHeight = UiLineHeight(FontSize, false);
  int y = blockTop + (blockHeight - int(box.lines.size()) * lineHeight) / 2;
  const UiRect inside{f.x + Border, f.y + Border, f.w - 2 * Border, f.h - 2 * Border};
  UiClip(canvas, &inside);
  for (const std::string& line : box.lines) {
    UiText(canvas, f.x + Border + TextLeft(box), y, FontSize, false, line.c_str(), UiColour::Black);
    y += lineHeight;
  }
  UiClip(canvas, nullptr);
  for (int i = 0; i < ButtonCount(box); ++i) {
    const bool pressed = box.pressed == i && box.pressedInside;
    UiButton(canvas, ButtonRect(box, i), BoxButtonLabel(box.style, i), FontSize, top && box.focus == i, pressed,
             top && box.focus == i);
  }
}

int ButtonAt(const Box& box, int windowX, int windowY) {
  int x = 0, y = 0;
  if (!ModalPoint(windowX, windowY, &x, &y)) return -1;
  for (int i = 0; i < ButtonCount(box); ++i) {
    if (UiInside(ButtonRect(box, i), x, y)) return i;
  }
  return -1;
}

// The keys a box answers to, by the shared rule; -1 for others.
int BoxKeyOf(const SDL_Keysym& key) {
  switch (key.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return BoxKeyEnter;
    case SDLK_SPACE:
      return BoxKeySpace;
    case SDLK_ESCAPE:
      return BoxKeyEscape;
    case SDLK_y:
      return BoxKeyYes;
    case SDLK_n:
      return BoxKeyNo;
    case SDLK_TAB:
    case SDLK_LEFT:
    case SDLK_RIGHT:
    case SDLK_UP:
    case SDLK_DOWN:
      return BoxKeyNext;
    default:
      return -1;
  }
}

void HandleKey(Box* box, const SDL_Keysym& key) {
  const int which = BoxKeyOf(key);
  if (which < 0) return;
  const BoxKeyAction action = BoxKeyPress(box->style, BoxKey(which), box->focus);
  box->answer = action.answer;
  if (action.focus != box->focus) ModalInvalidate();
  box->focus = action.focus;
}

void HandleEvent(Box* box, const SDL_Event& event) {
  switch (ModalFilter(event)) {
    case ModalEventTaken:
      return;
    case ModalEventDismiss:
      box->answer = BoxDismissAnswer(box->style);
      return;
    case ModalEventOwn:
      break;
  }
  switch (event.type) {
    case SDL_KEYDOWN:
      HandleKey(box, event.key.keysym);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button != SDL_BUTTON_LEFT) break;
      box->pressed = ButtonAt(*box, event.button.x, event.button.y);
      box->pressedInside = box->pressed >= 0;
      if (box->pressed >= 0) box->focus = box->pressed;
      ModalInvalidate();
      break;
    case SDL_MOUSEMOTION:
      if (box->pressed >= 0) {
        const bool inside = ButtonAt(*box, event.motion.x, event.motion.y) == box->pressed;
        if (inside != box->pressedInside) ModalInvalidate();
        box->pressedInside = inside;
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT || box->pressed < 0) break;
      if (ButtonAt(*box, event.button.x, event.button.y) == box->pressed) {
        box->answer = BoxButtonAnswer(box->style, box->pressed);
      }
      box->pressed = -1;
      ModalInvalidate();
      break;
    default:
      break;
  }
}

// No display at all: the message still reaches a person, and the answer is
// the one that changes nothing.
int Unshown(const Box& box, const char* text) {
  std::fprintf(stderr, "[%s] %s\n", box.caption.c_str(),
               DecodeWansung(FieldFit(text ? text : "", MaxBoxTextBytes)).c_str());
  return BoxDismissAnswer(box.style);
}

}  // namespace

int PlatformMessageBox(const char* text, const char* caption, int style) {
  Box box;
  box.style = DecodeBoxStyle(style);
  box.caption = BoxCaptionUtf8(caption);
  box.focus = 0;
  box.pressed = -1;
  box.pressedInside = false;
  box.answer = 0;
  if (!SdlVideoUp()) return Unshown(box, text);
  box.lines = BoxLinesUtf8(text, MaxBoxLineWidth, MeasureLine, nullptr);
  Measure(&box);
  if (!ModalBegin(box.width, box.height, box.caption.c_str())) return Unshown(box, text);
  ModalPushLayer(DrawBox, &box);
  // A box over a dialog's edit field takes no text: the letter that answers
  // it (N, Y) must not land in the field afterwards.
  const bool textInput = SDL_IsTextInputActive();
  if (textInput) SDL_StopTextInput();
  while (box.answer == 0) {
    ModalRenderIfNeeded();
    SDL_Event event;
    if (!SDL_WaitEvent(&event)) {
      box.answer = BoxDismissAnswer(box.style);
      break;
    }
    HandleEvent(&box, event);
  }
  SDL_FlushEvents(SDL_TEXTEDITING, SDL_TEXTINPUT);
  if (textInput) SDL_StartTextInput();
  ModalPopLayer();
  ModalEnd();
  return box.answer;
}
