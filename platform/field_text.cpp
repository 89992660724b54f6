// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/field_text.h"

#include <cstring>

#include "platform/wansung.h"

int FieldByteLimit(int maxBytes) {
  if (maxBytes <= 0) return 255;
  return maxBytes > MaxFieldBytes ? MaxFieldBytes : maxBytes;
}

int FieldSnapBoundary(const std::string& text, int pos) {
  if (pos <= 0) return 0;
  if (size_t(pos) >= text.size()) return int(text.size());
  int at = 0;
  while (at < pos) {
    const int next = at + WansungCharLength(text, size_t(at));
    if (next > pos) break;
    at = next;
  }
  return at;
}

int FieldPreviousBoundary(const std::string& text, int pos) {
  pos = FieldSnapBoundary(text, pos);
  return pos == 0 ? 0 : FieldSnapBoundary(text, pos - 1);
}

int FieldNextBoundary(const std::string& text, int pos) {
  pos = FieldSnapBoundary(text, pos);
  return pos + WansungCharLength(text, size_t(pos));
}

std::string FieldFit(const std::string& wansung, int limit) {
  if (limit <= 0) return std::string();
  return wansung.substr(0, size_t(FieldSnapBoundary(wansung, limit)));
}

std::string FieldTyped(const std::string& utf8, int limit) {
  std::string text;
  int caret = 0;
  for (size_t at = 0; at < utf8.size();) {
    const int length = Utf8SequenceLength(utf8.data() + at, utf8.size() - at);
    std::string character;
    if (EncodeWansungChar(utf8.data() + at, size_t(length), &character) &&
        !FieldInsert(&text, &caret, character, limit)) {
      break;
    }
    at += size_t(length);
  }
  return text;
}

bool FieldInsert(std::string* text, int* caret, const std::string& wansung, int limit) {
  if (text->size() + wansung.size() > size_t(limit < 0 ? 0 : limit)) return false;
  const int at = FieldSnapBoundary(*text, *caret);
  text->insert(size_t(at), wansung);
  *caret = at + int(wansung.size());
  return true;
}

void FieldBackspace(std::string* text, int* caret) {
  const int end = FieldSnapBoundary(*text, *caret);
  const int start = FieldPreviousBoundary(*text, end);
  text->erase(size_t(start), size_t(end - start));
  *caret = start;
}

void FieldDelete(std::string* text, int* caret) {
  const int start = FieldSnapBoundary(*text, *caret);
  const int end = FieldNextBoundary(*text, start);
  text->erase(size_t(start), size_t(end - start));
  *caret = start;
}

int FieldCopyOut(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  int length = int(text.size()) < size - 1 ? int(text.size()) : size - 1;
  length = FieldSnapBoundary(text, length);
  std::memcpy(buffer, text.data(), size_t(length));
  buffer[length] = '\0';
  return length;
}
