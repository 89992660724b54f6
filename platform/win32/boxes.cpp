// SPDX-License-Identifier: GPL-2.0-or-later
// Message boxes: the system's own, with the shared rules for what a style
// means, how much text is shown and the answer when none can be shown.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/box_rules.h"
#include "platform/field_text.h"
#include "platform/platform.h"
#include "platform/wansung.h"
#include "platform/win32/win32_internal.h"

using namespace win32_backend;

int PlatformMessageBox(const char* text, const char* caption, int style) {
  const BoxStyle box = DecodeBoxStyle(style);
  const std::string shown = FieldFit(text ? text : "", MaxBoxTextBytes);
  const std::string title = FieldFit(caption ? caption : "", MaxBoxCaptionBytes);
  const std::wstring wideText = WideOfWansung(shown.data(), shown.size());
  const std::wstring wideCaption = WideOfWansung(title.data(), title.size());
  UINT flags = (box.yesNo ? MB_YESNO : MB_OK) | MB_TASKMODAL | MB_SETFOREGROUND;
  if (box.stopIcon) flags |= MB_ICONSTOP;
  BeginModal();
  const int answer = MessageBoxW(GameWindow(), wideText.c_str(), wideCaption.c_str(), flags);
  EndModal();
  switch (answer) {
    case IDOK:
      return AnswerOk;
    case IDYES:
      return AnswerYes;
    case IDNO:
      return AnswerNo;
    default:
      if (answer == 0) std::fprintf(stderr, "[%s] %s\n", BoxCaptionUtf8(caption).c_str(), DecodeWansung(shown).c_str());
      return BoxDismissAnswer(box);
  }
}
