#include "platform/sdl/edit_text.h"

#include <cstring>

namespace sdl_backend {

static bool LeadByte(char c) { return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) <= 0xFE; }

static int CharLengthAt(const std::string& text, int pos) {
  return LeadByte(text[size_t(pos)]) && size_t(pos) + 1 < text.size() ? 2 : 1;
}

int EditSnapBoundary(const std::string& text, int pos) {
  if (pos <= 0) return 0;
  if (size_t(pos) >= text.size()) return int(text.size());
  int at = 0;
  while (at < pos) {
    const int next = at + CharLengthAt(text, at);
    if (next > pos) break;
    at = next;
  }
  return at;
}

int EditPreviousBoundary(const std::string& text, int pos) {
  pos = EditSnapBoundary(text, pos);
  if (pos == 0) return 0;
  return EditSnapBoundary(text, pos - 1);
}

int EditNextBoundary(const std::string& text, int pos) {
  pos = EditSnapBoundary(text, pos);
  if (size_t(pos) >= text.size()) return int(text.size());
  return pos + CharLengthAt(text, pos);
}

bool EditInsert(std::string* text, int* caret, const std::string& wansung, int maxBytes) {
  if (maxBytes <= 0) maxBytes = 255;
  if (text->size() + wansung.size() > size_t(maxBytes)) return false;
  const int at = EditSnapBoundary(*text, *caret);
  text->insert(size_t(at), wansung);
  *caret = at + int(wansung.size());
  return true;
}

void EditBackspace(std::string* text, int* caret) {
  const int end = EditSnapBoundary(*text, *caret);
  const int start = EditPreviousBoundary(*text, end);
  text->erase(size_t(start), size_t(end - start));
  *caret = start;
}

void EditDelete(std::string* text, int* caret) {
  const int start = EditSnapBoundary(*text, *caret);
  const int end = EditNextBoundary(*text, start);
  text->erase(size_t(start), size_t(end - start));
  *caret = start;
}

int EditCopyOut(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  int length = int(text.size()) < size - 1 ? int(text.size()) : size - 1;
  length = EditSnapBoundary(text, length);
  std::memcpy(buffer, text.data(), size_t(length));
  buffer[length] = '\0';
  return length;
}

}  // namespace sdl_backend
