// The text of a dialog's edit field: Wansung bytes, where a byte 0x81..0xFE
// followed by another starts a double-byte character that is never split.
// Free of SDL.
#pragma once

#include <string>

namespace sdl_backend {

// Byte offsets of character starts around pos.
int EditPreviousBoundary(const std::string& text, int pos);
int EditNextBoundary(const std::string& text, int pos);
// pos moved back to the start of the character it falls into.
int EditSnapBoundary(const std::string& text, int pos);

// Inserts wansung (whole characters) at caret; refused as a whole, returning
// false, when the text would exceed maxBytes.
bool EditInsert(std::string* text, int* caret, const std::string& wansung, int maxBytes);
void EditBackspace(std::string* text, int* caret);
void EditDelete(std::string* text, int* caret);

// Copies at most size - 1 bytes and a NUL, ending before a character that
// does not fit whole. Returns the bytes copied.
int EditCopyOut(const std::string& text, char* buffer, int size);

}  // namespace sdl_backend
