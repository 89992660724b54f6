// SPDX-License-Identifier: GPL-2.0-or-later
// The text of a dialog's edit field, for every backend: Wansung bytes of at
// most the field's byte limit, edited and cut only at character boundaries
// (the rule of platform/wansung.h).
#pragma once

#include <string>

// Above any field the game has; a larger limit is a broken template.
constexpr int MaxFieldBytes = 65535;

// A template's limit as the field applies it: 0 (or less) means 255.
int FieldByteLimit(int maxBytes);

// Byte offsets of character starts around pos.
int FieldPreviousBoundary(const std::string& text, int pos);
int FieldNextBoundary(const std::string& text, int pos);
// pos moved back to the start of the character it falls into.
int FieldSnapBoundary(const std::string& text, int pos);

// The longest start of text that takes at most limit bytes.
std::string FieldFit(const std::string& wansung, int limit);
// UTF-8 typed into an empty field of limit bytes: its characters that have
// a Wansung code, up to the first that does not fit whole.
std::string FieldTyped(const std::string& utf8, int limit);

// Inserts wansung (whole characters) at caret; refused as a whole, returning
// false, when the text would exceed limit bytes.
bool FieldInsert(std::string* text, int* caret, const std::string& wansung, int limit);
void FieldBackspace(std::string* text, int* caret);
void FieldDelete(std::string* text, int* caret);

// Copies at most size - 1 bytes and a NUL, ending before a character that
// does not fit whole. Returns the bytes copied.
int FieldCopyOut(const std::string& text, char* buffer, int size);
