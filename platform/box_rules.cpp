#include "platform/box_rules.h"

#include "platform/field_text.h"
#include "platform/platform.h"
#include "platform/wansung.h"

namespace {

struct Wrapper {
  int maxWidth;
  BoxTextWidth width;
  void* context;
  std::vector<std::string>* lines;
};

bool Full(const Wrapper& w) { return w.lines->size() >= size_t(MaxBoxLines); }

// One line of the text, broken where it would pass the widest a box takes.
void WrapLine(const Wrapper& w, const std::string& line) {
  if (line.empty() && !Full(w)) w.lines->push_back(std::string());
  size_t start = 0;
  while (start < line.size() && !Full(w)) {
    size_t end = start, lastBlank = std::string::npos;
    while (end < line.size()) {
      const size_t next = end + size_t(Utf8SequenceLength(line.data() + end, line.size() - end));
      if (end > start && w.width(line.substr(start, next - start).c_str(), w.context) > w.maxWidth) break;
      if (line[end] == ' ') lastBlank = end;
      end = next;
    }
    if (end < line.size() && lastBlank != std::string::npos && lastBlank > start) end = lastBlank + 1;
    w.lines->push_back(line.substr(start, end - start));
    start = end;
  }
}

BoxLabelLookup LabelLookup = nullptr;

const char* KoreanButtonLabel(BoxStyle style, int index) {
  if (!style.yesNo) return "확인";
  return index == 0 ? "예(Y)" : "아니오(N)";
}

}  // namespace

BoxStyle DecodeBoxStyle(int style) { return BoxStyle{(style & 0x0F) == BoxYesNo, (style & 0xF0) == BoxIconStop}; }

int BoxButtonCount(BoxStyle style) { return style.yesNo ? 2 : 1; }

void SetBoxLabelLookup(BoxLabelLookup lookup) { LabelLookup = lookup; }

const char* BoxButtonLabel(BoxStyle style, int index) {
  const char* korean = KoreanButtonLabel(style, index);
  return LabelLookup ? LabelLookup(korean) : korean;
}

int BoxButtonAnswer(BoxStyle style, int index) {
  if (!style.yesNo) return AnswerOk;
  return index == 0 ? AnswerYes : AnswerNo;
}

int BoxDismissAnswer(BoxStyle style) { return style.yesNo ? AnswerNo : AnswerOk; }

BoxKeyAction BoxKeyPress(BoxStyle style, BoxKey key, int focus) {
  const int count = BoxButtonCount(style);
  focus = focus >= 0 && focus < count ? focus : 0;
  switch (key) {
    case BoxKeyEnter:
    case BoxKeySpace:
      return BoxKeyAction{BoxButtonAnswer(style, focus), focus};
    case BoxKeyEscape:
      return BoxKeyAction{BoxDismissAnswer(style), focus};
    case BoxKeyYes:
      return BoxKeyAction{style.yesNo ? AnswerYes : 0, focus};
    case BoxKeyNo:
      return BoxKeyAction{style.yesNo ? AnswerNo : 0, focus};
    case BoxKeyNext:
      return BoxKeyAction{0, (focus + 1) % count};
  }
  return BoxKeyAction{0, focus};
}

std::string BoxCaptionUtf8(const char* caption) {
  return DecodeWansung(FieldFit(caption ? caption : "", MaxBoxCaptionBytes));
}

std::vector<std::string> BoxLinesUtf8(const char* text, int maxWidth, BoxTextWidth textWidth, void* context) {
  const std::string utf8 = DecodeWansung(FieldFit(text ? text : "", MaxBoxTextBytes));
  std::vector<std::string> lines;
  const Wrapper w{maxWidth, textWidth, context, &lines};
  std::string line;
  for (size_t i = 0; i <= utf8.size(); ++i) {
    const char c = i < utf8.size() ? utf8[i] : '\n';
    if (c == '\r') continue;
    if (c == '\n') {
      WrapLine(w, line);
      line.clear();
      continue;
    }
    line.push_back(c == '\t' ? ' ' : c);
  }
  return lines;
}
