// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/headless/headless_log_text.h"

#include <cstring>

#include "platform/wansung.h"

std::string HeadlessLogText(const char* wansung) {
  const std::string text = DecodeWansung(wansung, wansung ? std::strlen(wansung) : 0);
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out.push_back(c);
    }
  }
  return out;
}
