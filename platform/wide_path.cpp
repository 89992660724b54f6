// SPDX-License-Identifier: GPL-2.0-or-later
#ifdef _WIN32
#include "platform/wide_path.h"

#include <windows.h>

std::wstring WidePath(const char* utf8) {
  if (utf8 == nullptr || *utf8 == '\0') return std::wstring();
  const int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
  if (count <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide.data(), count);
  wide.resize(static_cast<size_t>(count) - 1);
  return wide;
}

std::string Utf8Path(const wchar_t* wide) {
  if (wide == nullptr || *wide == L'\0') return std::string();
  const int count = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (count <= 0) return std::string();
  std::string utf8(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), count, nullptr, nullptr);
  utf8.resize(static_cast<size_t>(count) - 1);
  return utf8;
}

std::string ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD count = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (count == 0 || count >= MAX_PATH) return std::string();
  const std::string utf8 = Utf8Path(path);
  const size_t slash = utf8.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : utf8.substr(0, slash);
}
#endif
