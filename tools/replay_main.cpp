// kxs-replay [--root DIR] [--seed N] [--step MS] [--lang CODE] [--log-text] [--log FILE] SCRIPT
// Runs the game on the headless backend, driven by a script.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "gfx/image.h"
#include "platform/headless/headless.h"
#include "tools/replay/runner.h"

static int Usage() {
  std::fprintf(stderr,
               "usage: kxs-replay [--root DIR] [--seed N] [--step MS] [--lang CODE] [--log-text]\n"
               "                  [--log FILE] SCRIPT\n");
  return 2;
}

static bool ParseInteger(const char* text, long long low, long long high, long long* value) {
  char* end = nullptr;
  const long long number = std::strtoll(text, &end, 10);
  if (!*text || *end || number < low || number > high) return false;
  *value = number;
  return true;
}

int main(int argc, char** argv) {
  ReplayOptions options;
  options.root = KXS_DEFAULT_ROOT;
  const char* logPath = nullptr;
  const char* scriptPath = nullptr;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    long long number = 0;
    if (!std::strcmp(argv[i], "--root") && hasValue) {
      options.root = argv[++i];
    } else if (!std::strcmp(argv[i], "--seed") && hasValue && ParseInteger(argv[i + 1], 0, 0xFFFFFFFFLL, &number)) {
      options.hasSeed = true;
      options.seed = number;
      ++i;
    } else if (!std::strcmp(argv[i], "--step") && hasValue && ParseInteger(argv[i + 1], 0, 60000, &number)) {
      options.step = static_cast<uint32_t>(number);
      ++i;
    } else if (!std::strcmp(argv[i], "--lang") && hasValue && IsKnownLanguage(argv[i + 1])) {
      options.language = argv[++i];
    } else if (!std::strcmp(argv[i], "--log-text")) {
      options.logDrawnText = true;
    } else if (!std::strcmp(argv[i], "--log") && hasValue) {
      logPath = argv[++i];
    } else if (argv[i][0] != '-' && !scriptPath) {
      scriptPath = argv[i];
    } else {
      return Usage();
    }
  }
  if (!scriptPath) return Usage();
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(scriptPath, 16u << 20, &bytes)) {
    std::fprintf(stderr, "kxs-replay: cannot read %s\n", scriptPath);
    return 2;
  }
  std::vector<ReplayCommand> commands;
  std::string error;
  if (!ParseReplayScript(std::string(bytes.begin(), bytes.end()), &commands, &error)) {
    std::fprintf(stderr, "kxs-replay: %s: %s\n", scriptPath, error.c_str());
    return 2;
  }
  std::FILE* log = logPath ? std::fopen(logPath, "w") : stdout;
  if (!log) {
    std::fprintf(stderr, "kxs-replay: cannot write %s\n", logPath);
    return 2;
  }
  HeadlessSetLogFile(log);
  const int result = RunReplay(commands, options, &error);
  if (result != 0) std::fprintf(stderr, "kxs-replay: %s\n", error.c_str());
  if (log != stdout) std::fclose(log);
  return result;
}
