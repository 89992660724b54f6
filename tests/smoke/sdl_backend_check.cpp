// SPDX-License-Identifier: GPL-2.0-or-later
// Checks of the SDL backend, built and driven by sdl_backend.sh: how it reads
// SDL's keys (the shared rules it applies are checked in the unit suite)
// and, under a private X server, what the real window delivers for typed
// keys, pointer moves, boxes and dialogs; and, through SDL's dummy video
// driver, when the game window is presented. Wansung bytes are spelled out
// here on purpose: they pin the encoding. SDL itself is called only to play the window system
// (window events, keys) in the dummy driver, which has none of its own.
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/platform.h"
#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

static int Passed, Failed;

static void Check(bool ok, const char* what) {
  if (ok) {
    ++Passed;
  } else {
    ++Failed;
    std::printf("FAILED: %s\n", what);
  }
}

static std::string Hex(const std::string& bytes) {
  std::string out;
  char digits[4];
  for (unsigned char c : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", c);
    out += digits;
  }
  return out;
}

// SDL's keys as the game's virtual-key codes: by SDL's own constants, so
// that the shared table is read the way SDL numbers its keys.
static SDL_Keysym Key(SDL_Keycode sym, SDL_Scancode scancode) {
  SDL_Keysym key{};
  key.sym = sym;
  key.scancode = scancode;
  return key;
}

static void CheckKeys() {
  Check(VirtualKeyOf(Key(SDLK_RETURN, SDL_SCANCODE_RETURN)) == 13, "Enter is 13");
  Check(VirtualKeyOf(Key(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER)) == 13, "the keypad's Enter is 13 too");
  Check(VirtualKeyOf(Key(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE)) == 27, "Escape is 27");
  Check(VirtualKeyOf(Key(SDLK_DELETE, SDL_SCANCODE_DELETE)) == 46, "Delete is 46");
  Check(VirtualKeyOf(Key(SDLK_F7, SDL_SCANCODE_F7)) == 118 && VirtualKeyOf(Key(SDLK_F12, SDL_SCANCODE_F12)) == 123,
        "F7 and F12");
  Check(VirtualKeyOf(Key(SDLK_F10, SDL_SCANCODE_F10)) == 0, "F10 is a system key");
  Check(VirtualKeyOf(Key(SDLK_KP_0, SDL_SCANCODE_KP_0)) == 96 && VirtualKeyOf(Key(SDLK_KP_9, SDL_SCANCODE_KP_9)) == 105,
        "the keypad's digits");
  Check(VirtualKeyOf(Key(SDLK_a, SDL_SCANCODE_Q)) == 'A', "a letter by what it types (AZERTY's A)");
  Check(VirtualKeyOf(Key(SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON)) == 186, "punctuation by what it types");
  Check(VirtualKeyOf(Key(SDLK_UNKNOWN, SDL_SCANCODE_N)) == 'N', "a layout without Latin letters: by the place");
  Check(VirtualKeyOf(Key(SDLK_UNKNOWN, SDL_SCANCODE_LANG1)) == 0x15, "the Hangul key by its place");
  Check(VirtualKeyOf(Key(SDLK_UNKNOWN, SDL_SCANCODE_SEMICOLON)) == 0, "no other key by its place");
  Check(VirtualKeyOf(Key(SDLK_LALT, SDL_SCANCODE_LALT)) == 0, "Alt never reaches the game");
}

static int Pure() {
  CheckKeys();
  std::printf("%d passed, %d failed\n", Passed, Failed);
  return Failed == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------
// Under X: the script types and clicks; this side reports what arrived.

static bool OpenGrey() {
  if (!PlatformOpenDisplay(640, 480, 8)) {
    std::printf("cannot open the display: %s\n", PlatformLastError());
    return false;
  }
  uint8_t palette[768];
  for (int i = 0; i < 256; ++i) palette[3 * i] = palette[3 * i + 1] = palette[3 * i + 2] = uint8_t(i);
  PlatformSetPalette(palette);
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  PlatformLockBackBuffer(&pixels, &pitch);
  for (int y = 0; y < 480; ++y) std::memset(pixels + y * pitch, 0x40 + (y & 0x3F), 640);
  PlatformUnlockBackBuffer();
  PlatformFlip();
  return true;
}

static void Say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

// Prints every event until the window is closed (or 20 s pass).
static int Events() {
  if (!OpenGrey()) return 1;
  Say("ready");
  const uint32_t start = PlatformMilliseconds();
  while (PlatformMilliseconds() - start < 20000) {
    PlatformEvent e;
    while (PlatformPollEvent(&e)) {
      char line[80];
      switch (e.type) {
        case PlatformEventKeyDown:
          std::snprintf(line, sizeof line, "key %d", e.key);
          break;
        case PlatformEventMouseMove:
          std::snprintf(line, sizeof line, "move %d %d", e.x, e.y);
          break;
        case PlatformEventLeftButtonUp:
          std::snprintf(line, sizeof line, "click %d %d", e.x, e.y);
          break;
        case PlatformEventActivate:
          std::snprintf(line, sizeof line, "active %d", e.active);
          break;
        case PlatformEventClose:
          Say("close");
          return 0;
        default:
          std::snprintf(line, sizeof line, "other");
          break;
      }
      Say(line);
    }
    PlatformFlip();
  }
  Say("timeout");
  return 1;
}

static int Boxes() {
  if (!OpenGrey()) return 1;
  const char* captions[] = {"first", "second", "third", "fourth"};
  for (const char* caption : captions) {
    std::printf("box %s\n", caption);
    std::fflush(stdout);
    const bool yesNo = caption != captions[0];
    const int answer = PlatformMessageBox("line one\nline two", caption, yesNo ? BoxYesNo : BoxOk | BoxIconStop);
    std::printf("answer %d\n", answer);
    std::fflush(stdout);
  }
  // Far more text than a box can show, in lines too long for it.
  std::string text;
  for (int i = 0; i < 4000; ++i) text += (i % 300 == 299) ? "\n" : "\xB1\xE8 long ";
  std::printf("box long\n");
  std::fflush(stdout);
  std::printf("answer %d\n", PlatformMessageBox(text.c_str(), text.c_str(), BoxOk));
  std::fflush(stdout);
  // Keys after the boxes reach the game again, and none typed into a box did.
  return Events();
}

static const DialogControl Controls[] = {
    {1, DialogDefaultButton, "OK", 20, 60, 40, 12, 0, 0},
    {2, DialogButton, "Cancel", 80, 60, 40, 12, 0, 0},
    {1000, DialogEdit, "", 10, 10, 120, 12, DialogBorder | DialogTabStop, 0},
    {1001, DialogEdit, "", 10, 30, 120, 12, DialogBorder | DialogTabStop, 6},
    {1002, DialogStatic, "static", 10, 45, 60, 8, 0, 0},
};
static const DialogTemplate Template = {900, 0, 0, 140, 80, true, "System", 10, 8, 16, Controls, 5};
static int Commands;

static bool Procedure(DialogWindow* dialog, DialogMessage message, int id) {
  if (message == DialogInit) {
    // A text far past any limit neither slows nor breaks the dialog, and
    // comes out cut to the buffer with its terminating NUL.
    const std::string longText(100000, 'W');
    PlatformSetDialogText(dialog, 1002, longText.c_str());
    char out[8];
    PlatformGetDialogText(dialog, 1002, out, sizeof out);
    PlatformGetDialogText(dialog, 4242, out + 7, 1);
    std::printf("long %zu%s\n", std::strlen(out), out[7] == '\0' ? "" : " unterminated");
    PlatformSetDialogText(dialog, 1000, "0");
    return true;
  }
  ++Commands;
  char first[50], second[50], small[3];
  PlatformGetDialogText(dialog, 1000, first, sizeof first);
  PlatformGetDialogText(dialog, 1001, second, sizeof second);
  PlatformGetDialogText(dialog, 1001, small, sizeof small);
  std::printf("command %d first=%s second=%s small=%s\n", id, Hex(first).c_str(), Hex(second).c_str(),
              Hex(small).c_str());
  std::fflush(stdout);
  // The first OK asks a question over the dialog and keeps it open.
  if (id == 1 && Commands == 1) {
    std::printf("nested %d\n", PlatformMessageBox("again?", "nested", BoxYesNo));
    std::fflush(stdout);
    return true;
  }
  PlatformEndDialog(dialog, 100 + id);
  return true;
}

static int Dialog() {
  if (!OpenGrey()) return 1;
  Say("dialog");
  std::printf("result %d\n", PlatformRunDialog(&Template, Procedure));
  std::fflush(stdout);
  return Events();
}

// ---------------------------------------------------------------------------
// Presents, counted through the dummy video driver: with
// SDL_VIDEO_DUMMY_SAVE_FRAMES set it writes every presented picture into the
// working folder as SDL_window<id>-<n>.bmp.

static std::string NewestShown(int* count) {
  std::string newest;
  *count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("SDL_window", 0) != 0) continue;
    ++*count;
    if (name > newest) newest = name;  // the numbers are zero-padded
  }
  return newest;
}

static int Shown() {
  int count = 0;
  NewestShown(&count);
  return count;
}

static std::string NewestPicture() {
  int count = 0;
  std::ifstream file(NewestShown(&count), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Flips at the game's pace, taking the events as the game's loop does.
static void Flips(int count) {
  for (int i = 0; i < count; ++i) {
    PlatformEvent event;
    while (PlatformPollEvent(&event)) {
    }
    PlatformFlip();
  }
}

static SDL_Window* GameWindow() {
  for (Uint32 id = 1; id < 64; ++id) {
    SDL_Window* window = SDL_GetWindowFromID(id);
    if (window && std::strcmp(SDL_GetWindowTitle(window), "KXS") == 0) return window;
  }
  return nullptr;
}

static void SendWindowEvent(Uint8 which) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = which;
  event.window.windowID = SDL_GetWindowID(GameWindow());
  SDL_PushEvent(&event);
}

static void SendKey(SDL_Keycode key, Uint16 modifiers) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.windowID = SDL_GetWindowID(GameWindow());
  event.key.keysym.sym = key;
  event.key.keysym.mod = modifiers;
  SDL_PushEvent(&event);
}

// A static picture is presented once; a changed pixel or palette entry
// presents it again, and so does every window event after which the window
// may have lost it, Alt+Enter, and the end of a box drawn over it.
static int Presents() {
  if (!OpenGrey()) return 1;
  Check(GameWindow() != nullptr, "the game window is found");
  Flips(10);
  int shown = Shown();
  Check(shown >= 1, "the first picture is presented");
  Flips(30);
  Check(Shown() == shown, "a static picture is not presented again");

  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  PlatformLockBackBuffer(&pixels, &pitch);
  pixels[479 * pitch + 639] ^= 1;
  PlatformUnlockBackBuffer();
  Flips(10);
  Check(Shown() == shown + 1, "the last pixel changed presents once");
  shown = Shown();

  uint8_t palette[768];
  std::memcpy(palette, PlatformCurrentPalette(), sizeof palette);
  PlatformSetPalette(palette);
  Flips(5);
  Check(Shown() == shown, "the same palette set again presents nothing");
  palette[767] ^= 0xFF;
  PlatformSetPalette(palette);
  Flips(5);
  Check(Shown() == shown + 1, "a changed palette entry presents once");
  shown = Shown();

  const struct {
    Uint8 event;
    const char* what;
  } events[] = {{SDL_WINDOWEVENT_EXPOSED, "an expose presents once"},
                {SDL_WINDOWEVENT_SIZE_CHANGED, "a size change presents once"},
                {SDL_WINDOWEVENT_RESTORED, "a restore presents once"},
                {SDL_WINDOWEVENT_SHOWN, "showing the window presents once"}};
  for (const auto& e : events) {
    SendWindowEvent(e.event);
    Flips(10);
    Check(Shown() == shown + 1, e.what);
    shown = Shown();
  }

  SendKey(SDLK_RETURN, KMOD_LALT);
  Flips(10);
  Check(Shown() > shown, "Alt+Enter presents");
  shown = Shown();
  Flips(30);
  Check(Shown() == shown, "the new window's static picture is not presented again");

  const std::string before = NewestPicture();
  SendKey(SDLK_ESCAPE, 0);
  Check(PlatformMessageBox("over the frame", "box", BoxOk) == AnswerOk, "Escape answers the box");
  Check(Shown() >= shown + 2, "the box and the frame after it are presented");
  Check(!before.empty() && NewestPicture() == before, "after the box the window shows the frame again");
  shown = Shown();
  Flips(30);
  Check(Shown() == shown, "nor is the frame presented again after the box");
  std::printf("%d passed, %d failed\n", Passed, Failed);
  return Failed == 0 ? 0 : 1;
}

// Sounds through SDL's dummy audio device: replaced, looped, stopped,
// missing and broken files never stop the program. argv: a real WAV file and
// a folder for broken ones.
static int Sounds(const char* wav, const char* folder) {
  const std::string broken = std::string(folder) + "/broken.wav";
  const std::string header = std::string(folder) + "/header.wav";
  const std::string empty = std::string(folder) + "/empty.wav";
  if (FILE* f = std::fopen(broken.c_str(), "wb")) {
    for (int i = 0; i < 5000; ++i) std::fputc((i * 7919) & 0xFF, f);
    std::fclose(f);
  }
  if (FILE* f = std::fopen(header.c_str(), "wb")) {
    // A RIFF header that promises far more data than follows.
    std::fwrite(
        "RIFF\xFF\xFF\xFF\x7FWAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xAC\0\0\x10\xB1\x02\0\x04\0\x10\0data\xFF\xFF\xFF\x7F",
        1, 44, f);
    std::fclose(f);
  }
  if (FILE* f = std::fopen(empty.c_str(), "wb")) {
    std::fwrite("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data\0\0\0\0", 1, 44,
                f);
    std::fclose(f);
  }
  // A good one of a format the device converts from: 8-bit mono at 11025 Hz.
  const std::string tone = std::string(folder) + "/tone.wav";
  if (FILE* f = std::fopen(tone.c_str(), "wb")) {
    const int samples = 1103;
    const unsigned size = 36 + samples;
    unsigned char head[44] = {'R',
                              'I',
                              'F',
                              'F',
                              (unsigned char)size,
                              (unsigned char)(size >> 8),
                              0,
                              0,
                              'W',
                              'A',
                              'V',
                              'E',
                              'f',
                              'm',
                              't',
                              ' ',
                              16,
                              0,
                              0,
                              0,
                              1,
                              0,
                              1,
                              0,
                              0x11,
                              0x2B,
                              0,
                              0,
                              0x11,
                              0x2B,
                              0,
                              0,
                              1,
                              0,
                              8,
                              0,
                              'd',
                              'a',
                              't',
                              'a',
                              (unsigned char)samples,
                              (unsigned char)(samples >> 8),
                              0,
                              0};
    std::fwrite(head, 1, sizeof head, f);
    for (int i = 0; i < samples; ++i) std::fputc((i / 12) % 2 ? 160 : 96, f);
    std::fclose(f);
  }
  const char* files[] = {tone.c_str(),   wav,           "missing/none.wav", broken.c_str(),
                         header.c_str(), empty.c_str(), tone.c_str()};
  const uint32_t start = PlatformMilliseconds();
  for (int round = 0; round < 3; ++round) {
    for (const char* file : files) {
      PlatformPlaySound(file, true);
      PlatformPlaySound(file, false);
      const uint32_t until = PlatformMilliseconds() + 30;
      while (PlatformMilliseconds() < until) {
      }
    }
  }
  PlatformPlaySound(empty.c_str(), true);  // an empty loop must not spin the audio thread
  const uint32_t until = PlatformMilliseconds() + 200;
  while (PlatformMilliseconds() < until) {
  }
  PlatformPlaySound(nullptr, false);
  Check(PlatformMilliseconds() - start >= 200, "the clock runs");
  std::printf("%d passed, %d failed\n", Passed, Failed);
  return Failed == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "pure";
  if (mode == "pure") return Pure();
  if (mode == "events") return Events();
  if (mode == "boxes") return Boxes();
  if (mode == "dialog") return Dialog();
  if (mode == "presents") return Presents();
  if (mode == "sounds" && argc > 3) return Sounds(argv[2], argv[3]);
  std::printf("unknown mode %s\n", mode.c_str());
  return 2;
}
