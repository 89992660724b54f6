#include "tools/replay/script.h"

#include <cstdlib>
#include <cstring>

namespace {

// Splits a line into words; "quoted texts" (with \" and \\) are one word
// each and keep a leading quote mark so the parser can tell them apart.
bool SplitWords(const std::string& line, std::vector<std::string>* words, std::string* error) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      word.push_back('"');
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '\\' && i < line.size()) {
          word.push_back(line[i++]);
        } else if (c == '"') {
          closed = true;
          break;
        } else {
          word.push_back(c);
        }
      }
      if (!closed) {
        *error = "a text is not closed with \"";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word.push_back(line[i++]);
    }
    words->push_back(word);
  }
  return true;
}

bool ParseNumber(const std::string& word, int low, int high, int* value) {
  if (word.empty() || word.size() > 9) return false;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
  }
  const int number = std::atoi(word.c_str());
  if (number < low || number > high) return false;
  *value = number;
  return true;
}

int ButtonWord(const std::string& word) {
  if (word == "ok") return 1;
  if (word == "cancel") return 2;
  if (word == "yes") return 6;
  if (word == "no") return 7;
  return 0;
}

bool ParsePoint(const std::vector<std::string>& w, ReplayCommand* c, std::string* error) {
  if (w.size() != 3 || !ParseNumber(w[1], 0, 32767, &c->a) || !ParseNumber(w[2], 0, 32767, &c->b)) {
    *error = w[0] + " takes X Y";
    return false;
  }
  return true;
}

bool ParseCommand(const std::vector<std::string>& w, ReplayCommand* c, std::string* error) {
  const std::string& verb = w[0];
  if (verb == "move" || verb == "click") {
    c->kind = verb == "move" ? ReplayMove : ReplayClick;
    return ParsePoint(w, c, error);
  }
  if (verb == "key") {
    c->kind = ReplayKey;
    c->a = w.size() == 2 ? ReplayKeyCode(w[1]) : -1;
    if (c->a < 0) *error = "key takes a virtual-key code or ESC, ENTER, SPACE, F7, F8, F11, F12";
    return c->a >= 0;
  }
  if (verb == "frames") {
    c->kind = ReplayFrames;
    if (w.size() == 2 && ParseNumber(w[1], 0, 100000000, &c->a)) return true;
    *error = "frames takes a count";
    return false;
  }
  if (verb == "until") {
    c->kind = ReplayUntil;
    c->a = 3000;
    if ((w.size() == 2 || (w.size() == 3 && ParseNumber(w[2], 1, 100000000, &c->a))) && w[1][0] != '"') {
      c->text = w[1];
      return true;
    }
    *error = "until takes SCREEN [FRAMES]";
    return false;
  }
  if (verb == "answer") {
    c->kind = ReplayAnswer;
    c->a = w.size() == 2 ? ButtonWord(w[1]) : 0;
    if (c->a == 1 || c->a == 6 || c->a == 7) return true;
    *error = "answer takes ok, yes or no";
    return false;
  }
  if (verb == "dialog") {
    c->kind = ReplayDialog;
    c->a = w.size() >= 2 ? ButtonWord(w.back()) : 0;
    if (c->a != 1 && c->a != 2) {
      *error = "dialog ends with ok or cancel";
      return false;
    }
    for (size_t i = 1; i + 1 < w.size(); ++i) {
      if (w[i][0] != '"') {
        *error = "dialog takes \"TEXT\"... then ok or cancel";
        return false;
      }
      c->fields.push_back(w[i].substr(1));
    }
    return true;
  }
  if (verb == "snapshot") {
    c->kind = ReplaySnapshot;
    if (w.size() == 2 && w[1][0] != '"') {
      c->text = w[1];
      return true;
    }
    *error = "snapshot takes FILE.png";
    return false;
  }
  *error = "unknown command " + verb;
  return false;
}

}  // namespace

int ReplayKeyCode(const std::string& word) {
  static const struct {
    const char* name;
    int code;
  } Names[] = {{"ESC", 27}, {"ENTER", 13}, {"SPACE", 32}, {"F7", 118}, {"F8", 119}, {"F11", 122}, {"F12", 123}};
  for (const auto& entry : Names) {
    if (word == entry.name) return entry.code;
  }
  int code = -1;
  if (ParseNumber(word, 1, 255, &code)) return code;
  return -1;
}

namespace {

// A script unrolls to at most this many commands, however its repeats nest.
constexpr size_t MostCommands = 1u << 20;

// An open "repeat N": where its body starts in the commands, and N.
struct OpenRepeat {
  size_t first;
  int times;
  int line;
};

// "repeat N" opens a body, "end" closes the innermost one by copying it
// N - 1 more times; false with the problem otherwise.
bool ParseRepeat(const std::vector<std::string>& w, std::vector<ReplayCommand>* commands,
                 std::vector<OpenRepeat>* open, int line, std::string* problem) {
  if (w[0] == "repeat") {
    int times = 0;
    if (w.size() != 2 || !ParseNumber(w[1], 1, 100000, &times)) {
      *problem = "repeat takes a count from 1 to 100000";
      return false;
    }
    open->push_back({commands->size(), times, line});
    return true;
  }
  if (w.size() != 1 || open->empty()) {
    *problem = w.size() != 1 ? "end takes nothing" : "end without repeat";
    return false;
  }
  const OpenRepeat body = open->back();
  open->pop_back();
  const size_t length = commands->size() - body.first;
  const size_t copies = static_cast<size_t>(body.times) - 1;
  if (copies > 0 && length > (MostCommands - commands->size()) / copies) {
    *problem = "the repeats make more than " + std::to_string(MostCommands) + " commands";
    return false;
  }
  for (size_t copy = 0; copy < copies; ++copy) {
    for (size_t i = 0; i < length; ++i) commands->push_back((*commands)[body.first + i]);
  }
  return true;
}

}  // namespace

bool ParseReplayScript(const std::string& script, std::vector<ReplayCommand>* commands, std::string* error) {
  std::vector<OpenRepeat> open;
  size_t start = 0;
  for (int lineNumber = 1; start <= script.size(); ++lineNumber) {
    size_t end = script.find('\n', start);
    if (end == std::string::npos) end = script.size();
    const std::string line = script.substr(start, end - start);
    start = end + 1;
    std::vector<std::string> words;
    std::string problem;
    ReplayCommand command{};
    command.line = lineNumber;
    bool parsed = SplitWords(line, &words, &problem);
    if (parsed && !words.empty()) {
      if (words[0] == "repeat" || words[0] == "end") {
        parsed = ParseRepeat(words, commands, &open, lineNumber, &problem);
      } else if ((parsed = ParseCommand(words, &command, &problem))) {
        commands->push_back(command);
      }
    }
    if (parsed && commands->size() > MostCommands) {
      problem = "more than " + std::to_string(MostCommands) + " commands";
      parsed = false;
    }
    if (!parsed) {
      *error = "line " + std::to_string(lineNumber) + ": " + problem;
      return false;
    }
    if (end == script.size()) break;
  }
  if (!open.empty()) {
    *error = "line " + std::to_string(open.back().line) + ": repeat without end";
    return false;
  }
  return true;
}
