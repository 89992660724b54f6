#include "tools/replay/runner.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <set>

#include "app/app.h"
#include "platform/headless/headless.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "text/font.h"
#include "text/utf8.h"

namespace {

struct Run {
  ScreenHandler loggedScreen = nullptr;
  bool quit = false;
  int exitCode = 0;
};

void LogScreenChange(Run* run) {
  if (CurrentScreen == run->loggedScreen) return;
  run->loggedScreen = CurrentScreen;
  HeadlessLog(std::string("screen ") + ScreenName(CurrentScreen));
}

// Each text the game draws, the first time it is drawn, as a log line
// "text ..." in UTF-8 (line breaks as \n, colour marks as \v).
std::set<std::string> TextsDrawn;

void LogDrawnText(const char* johab) {
  if (!TextsDrawn.insert(johab).second) return;
  std::string line = "text ";
  for (const char c : JohabToUtf8(johab)) {
    if (c == '\n')
      line += "\\n";
    else if (c == '\v')
      line += "\\v";
    else
      line += c;
  }
  HeadlessLog(line);
}

// One pass of the frame loop; records the end of the game.
void Pass(Run* run) {
  if (run->quit) return;
  if (!RunLoopPass(&run->exitCode)) {
    run->quit = true;
    HeadlessLog("quit " + std::to_string(run->exitCode));
    return;
  }
  LogScreenChange(run);
}

// Dispatches every waiting event and message without running a frame.
void DispatchPending(Run* run) {
  while (!run->quit && (HeadlessEventsPending() || GameMessagePending())) {
    const uint64_t before = FramesRun;
    Pass(run);
    if (FramesRun != before) break;  // cannot happen while something waits
  }
}

void RunFrames(Run* run, int count) {
  const uint64_t target = FramesRun + static_cast<uint64_t>(count);
  while (!run->quit && FramesRun < target && !HeadlessFailed()) {
    if (!AppActive && !HeadlessEventsPending() && !GameMessagePending()) {
      HeadlessFail("the game is in the background and nothing can wake it");
      return;
    }
    Pass(run);
  }
}

bool UntilScreen(Run* run, const ReplayCommand& command, std::string* error) {
  const ScreenHandler wanted = ScreenByName(command.text.c_str());
  if (!wanted) {
    *error = "line " + std::to_string(command.line) + ": no screen is called " + command.text;
    return false;
  }
  const uint64_t limit = FramesRun + static_cast<uint64_t>(command.a);
  while (!run->quit && !HeadlessFailed()) {
    DispatchPending(run);
    if (CurrentScreen == wanted && ScreenRunning) return true;
    if (FramesRun >= limit) {
      *error = "line " + std::to_string(command.line) + ": " + command.text + " not reached in " +
               std::to_string(command.a) + " frames (the screen is " + ScreenName(CurrentScreen) + ")";
      return false;
    }
    Pass(run);
  }
  return true;
}

void PushPoint(PlatformEventType type, int x, int y) {
  PlatformEvent event{};
  event.type = type;
  event.x = x;
  event.y = y;
  HeadlessPushEvent(event);
}

bool Execute(Run* run, const ReplayCommand& c, const std::string& startDirectory, std::string* error) {
  switch (c.kind) {
    case ReplayMove:
      PushPoint(PlatformEventMouseMove, c.a, c.b);
      break;
    case ReplayClick:
      PushPoint(PlatformEventMouseMove, c.a, c.b);
      PushPoint(PlatformEventLeftButtonUp, c.a, c.b);
      break;
    case ReplayKey: {
      PlatformEvent event{};
      event.type = PlatformEventKeyDown;
      event.key = c.a;
      HeadlessPushEvent(event);
      break;
    }
    case ReplayFrames:
      RunFrames(run, c.a);
      return true;
    case ReplayUntil:
      return UntilScreen(run, c, error);
    case ReplayAnswer:
      HeadlessQueueBoxAnswer(c.a);
      return true;
    case ReplayDialog:
      HeadlessQueueDialog(c.fields, c.a);
      return true;
    case ReplaySnapshot: {
      const std::string path = c.text[0] == '/' ? c.text : startDirectory + "/" + c.text;
      if (!HeadlessWriteSnapshot(path.c_str())) {
        *error = "line " + std::to_string(c.line) + ": cannot write " + path;
        return false;
      }
      return true;
    }
  }
  DispatchPending(run);
  return true;
}

}  // namespace

int RunReplay(const std::vector<ReplayCommand>& commands, const ReplayOptions& options, std::string* error) {
  char directory[PATH_MAX];
  if (!getcwd(directory, sizeof directory)) {
    *error = "cannot tell the current directory";
    return 2;
  }
  if (chdir(options.root.c_str()) != 0) {
    *error = "cannot enter the data tree " + options.root;
    return 2;
  }
  HeadlessSetClockStep(options.step);
  HeadlessSetCalendarSeconds(options.hasSeed ? options.seed : static_cast<int64_t>(std::time(nullptr)));
  StartInLanguage(options.language.c_str());
  TextsDrawn.clear();
  TextDrawnObserver = options.logDrawnText ? LogDrawnText : nullptr;
  HeadlessSetLogDialogTexts(options.logDrawnText);
  Run run;
  if (!StartGame(&run.exitCode)) {
    HeadlessLog("quit " + std::to_string(run.exitCode));
    *error = "the game did not start";
    return run.exitCode != 0 ? run.exitCode : 1;
  }
  LogScreenChange(&run);
  PlatformEvent activate{};
  activate.type = PlatformEventActivate;
  activate.active = 1;
  HeadlessPushEvent(activate);
  DispatchPending(&run);
  for (const ReplayCommand& command : commands) {
    if (run.quit) break;
    if (!Execute(&run, command, directory, error)) return 1;
    if (HeadlessFailed()) {
      *error = "line " + std::to_string(command.line) + ": " + HeadlessFailure();
      return 1;
    }
  }
  return 0;
}
