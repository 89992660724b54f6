// SPDX-License-Identifier: GPL-2.0-or-later
// The game window: the 8-bit back buffer expanded through the palette into
// a DIB section, painted with StretchDIBits at the largest whole scale that
// fits (the shared letterbox rules), black bars around it; scale=fit fills
// the height, smoothed. Full screen is a borderless window over the whole
// monitor (the display's mode is never changed); Alt+Enter switches. A flip
// repaints only a frame that changed, then waits for the next 60 Hz tick.
// The multimedia header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cstring>
#include <vector>

#include "platform/display_options.h"
#include "platform/event_queue.h"
#include "platform/letterbox.h"
#include "platform/palette_expand.h"
#include "platform/platform.h"
#include "platform/win32/win32_internal.h"

using namespace win32_backend;

namespace {

const wchar_t ClassName[] = L"KXS";
const LONGLONG TickHundredNs = 166667;  // 1/60 s

HWND Window;
int Width, Height;
std::vector<uint8_t> BackBuffer, Presented;
uint8_t Palette[768];
PaletteLut Lut;
bool PaletteChanged;
HBITMAP Dib;
uint32_t* DibPixels;
BITMAPINFO DibInfo;
HANDLE PaceTimer;
LARGE_INTEGER NextTick;
const char* LastError = "";
DisplayOptions Options;
bool Fullscreen;
const DWORD WindowStyle = WS_OVERLAPPEDWINDOW, FullscreenStyle = WS_POPUP;

Letterbox CurrentLetterbox() {
  RECT client{};
  GetClientRect(Window, &client);
  return Options.fitScale ? FillPicture(client.right, client.bottom, Width, Height)
                          : FitPicture(client.right, client.bottom, Width, Height);
}

MONITORINFO MonitorOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor;
}

// Full screen: the whole monitor, no frame, above the task bar.
void CoverMonitor() {
  const RECT area = MonitorOf(Window).rcMonitor;
  SetWindowLongPtrW(Window, GWL_STYLE, LONG_PTR(FullscreenStyle | WS_VISIBLE));
  SetWindowPos(Window, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// A window of the picture at the scale asked for, or the largest that
// leaves room on the desktop, centred in the monitor's work area.
void FrameWindow() {
  const RECT work = MonitorOf(Window).rcWork;
  const int scale = Options.windowScale > 0
                        ? Options.windowScale
                        : LargestWindowScale(work.right - work.left, work.bottom - work.top, Width, Height, 8);
  RECT frame{0, 0, Width * scale, Height * scale};
  AdjustWindowRect(&frame, WindowStyle, FALSE);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  const int x = work.left + ((work.right - work.left) - w) / 2, y = work.top + ((work.bottom - work.top) - h) / 2;
  SetWindowLongPtrW(Window, GWL_STYLE, LONG_PTR(WindowStyle | WS_VISIBLE));
  SetWindowPos(Window, HWND_TOP, x > work.left ? x : work.left, y > work.top ? y : work.top, w, h,
               SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  const Letterbox box = CurrentLetterbox();
  HBRUSH black = HBRUSH(GetStockObject(BLACK_BRUSH));
  const RECT bars[4] = {{0, 0, client.right, box.y},
                        {0, box.y + box.height, client.right, client.bottom},
                        {0, box.y, box.x, box.y + box.height},
                        {box.x + box.width, box.y, client.right, box.y + box.height}};
  for (const RECT& bar : bars) {
    if (bar.right > bar.left && bar.bottom > bar.top) FillRect(dc, &bar, black);
  }
  if (DibPixels) {
    // Whole pixels stay sharp; any other size is smoothed.
    const bool whole = box.width % Width == 0 && box.height % Height == 0;
    SetStretchBltMode(dc, whole ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, box.x, box.y, box.width, box.height, 0, 0, Width, Height, DibPixels, &DibInfo, DIB_RGB_COLORS,
                  SRCCOPY);
  }
  EndPaint(window, &paint);
}

// Waits for the next tick of the pace; a game that fell behind starts anew.
void Pace() {
  if (!PaceTimer) return;
  LARGE_INTEGER now;
  GetSystemTimeAsFileTime(reinterpret_cast<FILETIME*>(&now));
  if (NextTick.QuadPart <= now.QuadPart || NextTick.QuadPart - now.QuadPart > TickHundredNs) {
    NextTick.QuadPart = now.QuadPart + TickHundredNs;
  }
  // An absolute due time in the system's file-time clock.
  if (SetWaitableTimer(PaceTimer, &NextTick, 0, nullptr, nullptr, FALSE)) {
    WaitForSingleObject(PaceTimer, 100);
  }
  NextTick.QuadPart += TickHundredNs;
}

bool Fail(const char* reason) {
  LastError = reason;
  PlatformCloseDisplay();
  return false;
}

}  // namespace

HWND win32_backend::GameWindow() { return Window; }

void PlatformSetDisplayOptions(const DisplayOptions& options) { Options = options; }

void win32_backend::ToggleFullscreen() {
  if (!Window) return;
  Fullscreen = !Fullscreen;
  if (Fullscreen) {
    CoverMonitor();
  } else {
    FrameWindow();
  }
  InvalidateRect(Window, nullptr, FALSE);
  if (Options.fullscreenChanged) Options.fullscreenChanged(Fullscreen);
}

bool win32_backend::WindowToGame(int px, int py, int* x, int* y) {
  if (!Window) return false;
  return LetterboxToLogical(CurrentLetterbox(), Width, Height, px, py, x, y);
}

bool win32_backend::DisplayMessage(HWND window, UINT message, WPARAM, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;  // the paint covers every pixel
      return true;
    case WM_SIZE:
      InvalidateRect(window, nullptr, FALSE);
      *result = 0;
      return true;
    default:
      return false;
  }
}

bool PlatformOpenDisplay(int width, int height, int bitsPerPixel) {
  if (Window) return true;
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || bitsPerPixel != 8) {
    LastError = "unsupported display mode";
    return false;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = GameWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = ClassName;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return Fail("cannot register the window class");
  }
  Width = width;
  Height = height;
  BackBuffer.assign(size_t(width) * size_t(height), 0);
  Presented.clear();
  // Made at the picture's size, then given its place: the window or the
  // whole monitor it opened on.
  RECT frame{0, 0, width, height};
  AdjustWindowRect(&frame, WindowStyle, FALSE);
  Window = CreateWindowExW(0, ClassName, L"KXS", WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                           frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!Window) return Fail("cannot create the game window");
  Fullscreen = Options.fullscreen;
  DibInfo = BITMAPINFO{};
  DibInfo.bmiHeader.biSize = sizeof DibInfo.bmiHeader;
  DibInfo.bmiHeader.biWidth = width;
  DibInfo.bmiHeader.biHeight = -height;  // top row first, as the back buffer
  DibInfo.bmiHeader.biPlanes = 1;
  DibInfo.bmiHeader.biBitCount = 32;
  DibInfo.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Dib = CreateDIBSection(nullptr, &DibInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!Dib || !bits) return Fail("cannot create the picture");
  DibPixels = static_cast<uint32_t*>(bits);
  std::memset(DibPixels, 0, size_t(width) * size_t(height) * 4);
  timeBeginPeriod(1);
  PaceTimer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
  NextTick.QuadPart = 0;
  if (Fullscreen) {
    CoverMonitor();
  } else {
    FrameWindow();
  }
  UpdateWindow(Window);
  QueueInitialActivation();
  return true;
}

void PlatformCloseDisplay() {
  if (PaceTimer) {
    CloseHandle(PaceTimer);
    PaceTimer = nullptr;
    timeEndPeriod(1);
  }
  if (Window) DestroyWindow(Window);
  Window = nullptr;
  if (Dib) DeleteObject(Dib);
  Dib = nullptr;
  DibPixels = nullptr;
  BackBuffer.clear();
  Presented.clear();
}

bool PlatformDisplayIsOpen() { return Window != nullptr; }

bool PlatformSetPalette(const uint8_t* rgb) {
  if (!rgb) return false;
  if (std::memcmp(Palette, rgb, sizeof Palette) != 0) {
    std::memcpy(Palette, rgb, sizeof Palette);
    BuildPaletteLut(Palette, &Lut);
    PaletteChanged = true;
  }
  return true;
}

const uint8_t* PlatformCurrentPalette() { return Palette; }

PlatformResult PlatformLockBackBuffer(uint8_t** pixels, int32_t* pitch) {
  if (!Window || !pixels || !pitch) return PlatformFailed;
  *pixels = BackBuffer.data();
  *pitch = Width;
  return PlatformOk;
}

void PlatformUnlockBackBuffer() {}

PlatformResult PlatformFlip() {
  if (!Window) return PlatformFailed;
  if (PaletteChanged || Presented != BackBuffer) {
    // The 0x00RRGGBB entries are the DIB's blue, green, red, unused bytes.
    ExpandPicture(BackBuffer.data(), Width, Width, Height, Lut, DibPixels, Width, 1);
    Presented = BackBuffer;
    PaletteChanged = false;
    InvalidateRect(Window, nullptr, FALSE);
  }
  PumpMessages(false);
  Pace();
  return PlatformOk;
}

bool PlatformRestore() { return Window != nullptr; }

bool PlatformShowSystemSurface() {
  if (!Window) return false;
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return true;
}

const char* PlatformLastError() { return LastError; }
