#include <cstring>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/headless/wansung_utf8.h"

static const char* AnswerName(int answer) {
  switch (answer) {
    case AnswerOk: return "ok";
    case AnswerYes: return "yes";
    case AnswerNo: return "no";
    default: return "cancel";
  }
}

void HeadlessQueueBoxAnswer(int answer) { Headless().boxAnswers.push_back(answer); }

int PlatformMessageBox(const char* text, const char* caption, int style) {
  HeadlessState& s = Headless();
  const bool yesNo = (style & 0x0F) == BoxYesNo;
  const std::string described = HeadlessLogText(caption) + " | " + HeadlessLogText(text);
  int answer = AnswerOk;
  if (!s.boxAnswers.empty()) {
    answer = s.boxAnswers.front();
    s.boxAnswers.pop_front();
    const bool fits = yesNo ? (answer == AnswerYes || answer == AnswerNo) : answer == AnswerOk;
    if (!fits) {
      HeadlessFail("the box \"" + described + "\" cannot be answered " + AnswerName(answer));
      answer = yesNo ? AnswerNo : AnswerOk;
    }
  } else if (yesNo) {
    HeadlessFail("the Yes/No box \"" + described + "\" has no queued answer");
    answer = AnswerNo;
  }
  HeadlessLog("box " + described + " | " + AnswerName(answer));
  return answer;
}
