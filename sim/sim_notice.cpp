#include "sim/sim_notice.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "text/catalogue.h"
#include "text/hangul.h"
#include "text/utf8.h"
#include "world/notice_state.h"

void ShowRuleMessage() { PlatformMessageBox(MessageText, WansungText(Tr(u8"알림")), BoxOk); }

void ShowNameMessage(const char* formatUtf8, const char* johabName, int nameBytes) {
  // A copy: the world keeps its names in Johab.
  char name[64] = {};
  const size_t length = NameLength(johabName, static_cast<size_t>(nameBytes));
  std::memcpy(name, johabName, length < sizeof name ? length : sizeof name - 1);
  ConvertString(Johab, Wansung, name);
  std::snprintf(MessageText, sizeof MessageText, WansungText(Tr(formatUtf8)), name);
  ShowRuleMessage();
}

void ShowTextMessage(const char* utf8) {
  std::snprintf(MessageText, sizeof MessageText, "%s", WansungText(Tr(utf8)));
  ShowRuleMessage();
}

void ShowNumberMessage(const char* formatUtf8, int32_t value) {
  std::snprintf(MessageText, sizeof MessageText, WansungText(Tr(formatUtf8)), static_cast<int>(value));
  ShowRuleMessage();
}

void PlayRuleSound(const char* path) { PlatformPlaySound(path, false); }
