// SPDX-License-Identifier: GPL-2.0-or-later
// Wansung and the system's UTF-16, through the shared Wansung rules: the
// same characters on every backend, whatever code page the system uses.
#include <string>

#include "platform/wansung.h"
#include "platform/win32/win32_internal.h"

namespace win32_backend {

std::wstring WideOfWansung(const char* text, size_t length) {
  if (!text || length == 0) return std::wstring();
  const std::string utf8 = DecodeWansung(text, length);
  const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(size_t(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), needed);
  return wide;
}

std::string WansungOfWide(const wchar_t* text) {
  if (!text || !text[0]) return std::string();
  const int needed = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 1) return std::string();
  std::string utf8(size_t(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), needed, nullptr, nullptr);
  utf8.resize(size_t(needed - 1));
  return EncodeWansung(utf8);
}

}  // namespace win32_backend
