// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/box_rules.h"
#include "platform/field_text.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_log_text.h"
#include "platform/headless/headless_state.h"

static const char* AnswerName(int answer) {
  switch (answer) {
    case AnswerOk:
      return "ok";
    case AnswerYes:
      return "yes";
    case AnswerNo:
      return "no";
    default:
      return "cancel";
  }
}

void HeadlessQueueBoxAnswer(int answer) { Headless().boxAnswers.push_back(answer); }

// The queued answer when it is one of the box's buttons'.
static bool IsButtonAnswer(BoxStyle style, int answer) {
  for (int i = 0; i < BoxButtonCount(style); ++i) {
    if (BoxButtonAnswer(style, i) == answer) return true;
  }
  return false;
}

int PlatformMessageBox(const char* text, const char* caption, int style) {
  HeadlessState& s = Headless();
  const BoxStyle box = DecodeBoxStyle(style);
  // The log holds what a player would be shown.
  const std::string shownCaption = FieldFit(caption ? caption : "", MaxBoxCaptionBytes);
  const std::string shownText = FieldFit(text ? text : "", MaxBoxTextBytes);
  const std::string described = HeadlessLogText(shownCaption.c_str()) + " | " + HeadlessLogText(shownText.c_str());
  int answer = BoxDismissAnswer(box);
  if (!s.boxAnswers.empty()) {
    answer = s.boxAnswers.front();
    s.boxAnswers.pop_front();
    if (!IsButtonAnswer(box, answer)) {
      HeadlessFail("the box \"" + described + "\" cannot be answered " + AnswerName(answer));
      answer = BoxDismissAnswer(box);
    }
  } else if (box.yesNo) {
    HeadlessFail("the Yes/No box \"" + described + "\" has no queued answer");
  }
  HeadlessLog("box " + described + " | " + AnswerName(answer));
  return answer;
}
