// SPDX-License-Identifier: GPL-2.0-or-later
// What the files of the Windows backend share: the game window, the
// conversions between Wansung and the system's wide characters, and the
// message pump.
#pragma once

#include <windows.h>

#include <string>

namespace win32_backend {

// The game window, nullptr while the display is closed.
HWND GameWindow();
// Wansung through the shared conversion to UTF-16, and back; characters
// without a Wansung code are left out on the way back.
std::wstring WideOfWansung(const char* text, size_t length);
std::string WansungOfWide(const wchar_t* text);
// Handles every waiting window message; with wait, first blocks for one.
// False once the message loop has been told to quit.
bool PumpMessages(bool wait);
LRESULT CALLBACK GameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The display's share of the window procedure (painting, resizing); true
// when it handled the message.
bool DisplayMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// While a box or dialog of the system stands over the game, the clicks that
// answer it are its own: none reaches the game, then or after it closes.
void BeginModal();
void EndModal();
// Alt+Enter: between a window and the whole monitor.
void ToggleFullscreen();
// Client pixel to game pixel; false on the bars.
bool WindowToGame(int px, int py, int* x, int* y);

}  // namespace win32_backend
