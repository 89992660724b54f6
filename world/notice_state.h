// The notice selector and the shared text buffer of message boxes.
#pragma once

#include <cstdint>

constexpr int MessageTextBytes = 128;

// The notice to show for the next WM_USER + 1; kept until the next notice.
extern uint8_t NoticeCode;
// Wansung text of the next message box; every formatted message fits in it.
extern char MessageText[MessageTextBytes];
