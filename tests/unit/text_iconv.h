// SPDX-License-Identifier: GPL-2.0-or-later
// The C library's converter as an independent reference for the game's own
// code tables. Only tests use it.
#pragma once

#include <iconv.h>

#include <cstdint>
#include <string>

// Converts in whole; false when iconv refuses any of it.
inline bool IconvConvert(const char* from, const char* to, const std::string& in, std::string* out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string buffer(in.size() * 4 + 8, '\0');
  char* source = const_cast<char*>(in.data());
  size_t sourceLeft = in.size();
  char* target = buffer.data();
  size_t targetLeft = buffer.size();
  const size_t result = iconv(cd, &source, &sourceLeft, &target, &targetLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1) || sourceLeft != 0) return false;
  out->assign(buffer.data(), buffer.size() - targetLeft);
  return true;
}

inline std::string PairBytes(uint16_t code) {
  return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// A two-byte result of iconv as one code, or 0.
inline uint16_t IconvPair(const char* from, const char* to, uint16_t code) {
  std::string out;
  if (!IconvConvert(from, to, PairBytes(code), &out) || out.size() != 2) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(out[0]) << 8 | static_cast<uint8_t>(out[1]));
}
