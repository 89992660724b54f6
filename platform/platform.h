// What the game asks of the operating system. This header is the whole
// interface; each backend (platform/sdl/, platform/web/, platform/headless/)
// implements it, and exactly one is linked into each program. What the
// backends share (the rules of boxes, dialogs, fields, Wansung and the event
// queue) is in the other headers of platform/. Nothing here knows the game:
// texts are plain byte strings (Wansung where a person reads them), pictures
// are 8-bit palette indices.
#pragma once

#include <cstdint>

// ---------------------------------------------------------------------------
// Display: one 640x480 8-bit picture with a 256-colour palette, a back buffer
// that receives a frame row by row, and a flip that presents it and paces.

enum PlatformResult { PlatformOk = 0, PlatformSurfaceLost = 1, PlatformFailed = 2 };

// Opens the game window (SDL: desktop full-screen) and its back buffer.
// Returns false with a reason in PlatformLastError() when that is impossible.
bool PlatformOpenDisplay(int width, int height, int bitsPerPixel);
void PlatformCloseDisplay();
bool PlatformDisplayIsOpen();

// rgb: 768 bytes, 256 triplets red, green, blue.
bool PlatformSetPalette(const uint8_t* rgb);
// The palette most recently set (768 bytes), zero before the first call.
const uint8_t* PlatformCurrentPalette();

// Locks the 8-bit back buffer. pitch may exceed the width.
PlatformResult PlatformLockBackBuffer(uint8_t** pixels, int32_t* pitch);
void PlatformUnlockBackBuffer();
// Presents the back buffer and waits for the display's pace (60 Hz).
PlatformResult PlatformFlip();
// Restores a lost surface; its content is undefined afterwards.
bool PlatformRestore();
// Makes message boxes and dialogs visible over the display (the picture last
// flipped stays underneath them).
bool PlatformShowSystemSurface();

// Writes text into the back buffer at (x, y) in the palette entry nearest
// to (r, g, b), with a small built-in ASCII font, transparent background.
// Returns false when the back buffer cannot take text.
bool PlatformBackBufferText(int x, int y, const char* text, uint8_t r, uint8_t g, uint8_t b);

const char* PlatformLastError();

// ---------------------------------------------------------------------------
// Events. Keys arrive as Windows virtual-key codes (VK_ESCAPE 27, VK_RETURN 13,
// VK_SPACE 32, VK_F1 112 .. VK_F12 123, letters 'A'..'Z', digits '0'..'9').

enum PlatformEventType {
  PlatformEventNone = 0,
  PlatformEventMouseMove,      // x, y in 640x480 pixels
  PlatformEventLeftButtonUp,   // x, y in 640x480 pixels
  PlatformEventKeyDown,        // key: virtual-key code
  PlatformEventActivate,       // active: 1 gained, 0 lost
  PlatformEventClose,          // the user closed the window
};

struct PlatformEvent {
  PlatformEventType type;
  int32_t x;
  int32_t y;
  int32_t key;
  int32_t active;
};

// Takes the next waiting event; false when none is waiting.
bool PlatformPollEvent(PlatformEvent* event);
// Blocks until an event is waiting (the headless backend returns at once).
void PlatformWaitEvent();

// ---------------------------------------------------------------------------
// Time.

// Milliseconds since the program started (wraps like timeGetTime).
uint32_t PlatformMilliseconds();
// Calendar time in seconds, for seeding the game's random generator.
int64_t PlatformCalendarSeconds();

// ---------------------------------------------------------------------------
// Sound: a WAV file played asynchronously; a new sound replaces the one that
// is playing. A missing, damaged or oversized file or a missing audio
// device is silent.

// A sound file larger than this is taken as damaged and stays silent: the
// game's sounds are a few seconds long, and a huge one read whole would stall
// the game and hold its memory on every play.
constexpr long PlatformSoundMaxBytes = 4L * 1024 * 1024;

void PlatformPlaySound(const char* path, bool loop);

// ---------------------------------------------------------------------------
// The system pointer, shown around message boxes and dialogs.

void PlatformShowPointer(bool visible);
// Whether the player's last pointing was a finger on a touch screen: the
// game then draws no pointer of its own where the finger left.
bool PlatformPointerIsTouch();

// ---------------------------------------------------------------------------
// The user's locale as the system names it ("en_US.UTF-8", "en-GB", "ko-KR"),
// "" when it is not known. The game starts in its language when the player
// has chosen none.

const char* PlatformUserLocale();

// ---------------------------------------------------------------------------
// Single instance: true when no other instance of the game runs; the claim
// lasts until the process ends.

bool PlatformClaimSingleInstance();

// ---------------------------------------------------------------------------
// Modal message boxes. Texts are Wansung (EUC-KR). Style and answers carry
// the values Windows gives them.

enum PlatformBoxStyle {
  BoxOk = 0x00,
  BoxYesNo = 0x04,
  BoxIconStop = 0x10,  // the stop (error) icon, with BoxOk
};

enum PlatformBoxAnswer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

int PlatformMessageBox(const char* text, const char* caption, int style);

// ---------------------------------------------------------------------------
// Modal dialogs from a template and a dialog procedure, the way Windows runs
// a dialog resource. Positions and sizes are dialog units; the template's
// base units (the average character size of its font in pixels) convert them
// to pixels as Windows does: x * baseX / 4, y * baseY / 8.

enum DialogControlKind {
  DialogStatic = 0,
  DialogEdit = 1,
  DialogButton = 2,
  DialogDefaultButton = 3,
};

enum DialogControlFlags {
  DialogAlignLeft = 0x00,
  DialogAlignCentre = 0x01,
  DialogBorder = 0x02,
  DialogTabStop = 0x04,
};

struct DialogControl {
  int id;                  // -1 for a static without an id
  DialogControlKind kind;
  const char* text;        // Wansung; the initial text
  int x, y, width, height; // dialog units
  int flags;               // DialogControlFlags
  int maxBytes;            // edit fields: the most bytes of text it takes (0: 255)
};

struct DialogTemplate {
  int id;                  // the resource id (101, 105, 106, 110)
  int x, y, width, height; // dialog units
  bool centred;            // centred on the screen instead of at x, y
  const char* fontName;
  int fontPoints;
  int baseUnitX, baseUnitY; // the font's average character width and height in pixels
  const DialogControl* controls;
  int controlCount;
};

struct DialogWindow;  // one running dialog, owned by the backend

enum DialogMessage { DialogInit = 0, DialogCommand = 1 };

// Called with DialogInit once before the dialog is shown and with
// DialogCommand and the id of a pressed button (Enter sends the focused
// button's, else the default button's or 1; Escape sends 2). Returns true
// when it handled the message.
using DialogProcedure = bool (*)(DialogWindow* dialog, DialogMessage message, int id);

// Runs the dialog until the procedure ends it; returns the value given to
// PlatformEndDialog, or -1 at once for a template that cannot run (more than
// 255 controls, a negative count, no controls behind the count).
int PlatformRunDialog(const DialogTemplate* dialogTemplate, DialogProcedure procedure);
// Copies at most size - 1 bytes of the control's text (Wansung) and a NUL,
// never part of a character. An edit field holds at most its byte limit.
void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size);
void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text);
void PlatformEndDialog(DialogWindow* dialog, int result);

// Pixel rectangle of a dialog or control from dialog units, as Windows does
// (platform/dialog_rules.cpp).
int DialogUnitsToPixelsX(const DialogTemplate* dialogTemplate, int units);
int DialogUnitsToPixelsY(const DialogTemplate* dialogTemplate, int units);
