// SPDX-License-Identifier: GPL-2.0-or-later
// kxs-tool: asset and save tools.
#include <cstdio>
#include <cstring>

#include "tools/kxs_tool/commands.h"

namespace {

struct ToolCommand {
  const char* name;
  int (*run)(int argc, char** argv);
  const char* usage;
};

const ToolCommand Commands[] = {
    {"kxg2png", CommandKxgToPng, "kxg2png IN.kxg OUT.png"},
    {"png2kxg", CommandPngToKxg, "png2kxg [--palette FILE] IN.png OUT.kxg"},
    {"text", CommandText, "text [--fg N --bg N --shadow N --x X --y Y --scale N --root DIR] OUT.png \"TEXT\"..."},
    {"save-dump", CommandSaveDump, "save-dump FILE"},
    {"data-check", CommandDataCheck, "data-check DIR"},
};

int Usage() {
  std::fprintf(stderr, "usage: kxs-tool COMMAND ...\n");
  for (const ToolCommand& command : Commands) std::fprintf(stderr, "  kxs-tool %s\n", command.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const ToolCommand& command : Commands) {
    if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 2, argv + 2);
  }
  return Usage();
}
