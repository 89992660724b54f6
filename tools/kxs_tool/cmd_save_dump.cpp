// SPDX-License-Identifier: GPL-2.0-or-later
// save-dump FILE: a save file as JSON, its names in UTF-8.
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "text/utf8.h"
#include "tools/kxs_tool/commands.h"
#include "world/save_format.h"

namespace {

// A NUL-terminated Johab field as a JSON string.
std::string JsonText(const char* field, size_t size) {
  const std::string utf8 = JohabToUtf8(std::string(field, strnlen(field, size)));
  std::string out = "\"";
  for (const char c : utf8) {
    const uint8_t byte = static_cast<uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

template <typename Number>
std::string JsonList(const Number* values, size_t count) {
  std::string out = "[";
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) out += ", ";
    out += std::to_string(values[i]);
  }
  return out + "]";
}

void PrintCompany(const Company& c, bool last) {
  std::printf("    {\"kind\": %d, \"presidentName\": %s, \"name\": %s, \"money\": %" PRId64
              ", \"loanAmount\": %d, \"loanMonths\": %d, \"reserveA\": %d, \"bidOdds\": %d, \"reserveB\": %d, "
              "\"staffCount\": %d, \"workTicks\": %d, \"isContract\": %d, \"progress\": %d, \"jobDays\": %d}%s\n",
              c.kind, JsonText(c.presidentName, sizeof c.presidentName).c_str(),
              JsonText(c.name, sizeof c.name).c_str(), c.money, c.loanAmount, c.loanMonths, c.reserveA, c.bidOdds,
              c.reserveB, c.staffCount, c.workTicks, c.isContract, c.progress, c.jobDays, last ? "" : ",");
}

void PrintPerson(const Person& p, bool last) {
  std::printf(
      "    {\"category\": %d, \"employer\": %d, \"employed\": %d, \"name\": %s, \"salary\": %d, "
      "\"aptitude\": %s, \"morale\": %d, \"stress\": %d}%s\n",
      p.category, p.employer, p.employed, JsonText(p.name, sizeof p.name).c_str(), p.salary,
      JsonList(p.aptitude, 5).c_str(), p.morale, p.stress, last ? "" : ",");
}

void PrintParams(const char* key, const ParamSet& params) {
  std::printf("  \"%s\": {\"id\": %d, \"values\": %s},\n", key, params.id,
              JsonList(params.values, ParamValues).c_str());
}

void PrintSave(const SaveImage& s) {
  std::printf("{\n");
  std::printf("  \"signature\": %s,\n", JsonText(reinterpret_cast<const char*>(s.signature), 3).c_str());
  std::printf("  \"dayCount\": %d,\n  \"introFrames\": %d,\n  \"introFrame\": %d,\n", s.dayCount, s.introFrames,
              s.introFrame);
  std::printf("  \"animDelay\": %d,\n  \"animLast\": %u,\n  \"animNow\": %u,\n  \"animElapsed\": %u,\n",
              s.screen.animDelay, s.screen.animLast, s.screen.animNow, s.screen.animElapsed);
  std::printf("  \"screenEntry\": %d,\n  \"tickCompany\": %d,\n  \"saveSpare\": %d,\n  \"animState\": %d,\n",
              s.screen.screenEntry, s.tickCompany, s.saveSpare, s.screen.animState);
  std::printf("  \"listCount\": %d,\n  \"listCursor\": %d,\n  \"seekerCount\": %d,\n", s.listCount, s.listCursor,
              s.seekerCount);
  std::printf("  \"indexList\": %s,\n", JsonList(s.indexList, IndexListSize).c_str());
  std::printf("  \"companyCount\": %d,\n  \"companies\": [\n", s.companyCount);
  for (int i = 0; i < s.companyCount; ++i) PrintCompany(s.companies[i], i + 1 == s.companyCount);
  std::printf("  ],\n");
  PrintParams("dinnerParams", s.dinnerParams);
  PrintParams("bankParams", s.bankParams);
  std::printf("  \"personCount\": %d,\n  \"persons\": [\n", s.personCount);
  for (int i = 0; i < s.personCount; ++i) PrintPerson(s.persons[i], i + 1 == s.personCount);
  std::printf("  ]");
  if (s.hasJob) {
    std::printf(",\n  \"job\": {\"jobReward\": %d, \"jobType\": %d, \"jobClient\": %d, \"spare\": %d, \"dDay\": %d}",
                s.jobReward, s.jobType, s.jobClient, s.jobSpare, s.dDay);
  }
  std::printf("\n}\n");
}

const char* RefusalReason(SaveReadResult result) {
  switch (result) {
    case SaveReadBadSignature:
      return "does not begin like a save file";
    case SaveReadBadLength:
      return "is shorter or longer than its counts require";
    case SaveReadTooManyCompanies:
      return "holds more companies than the game's table";
    case SaveReadOk:
      break;
  }
  return "is not a save file";
}

SaveImage Image;

}  // namespace

int CommandSaveDump(int argc, char** argv) {
  if (argc != 1) {
    std::fprintf(stderr, "usage: kxs-tool save-dump FILE\n");
    return 2;
  }
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(argv[0], SaveMaxFileBytes, &bytes)) {
    std::fprintf(stderr, "kxs-tool: cannot read %s, or it is larger than any save file\n", argv[0]);
    return 1;
  }
  const SaveReadResult result = DecodeSave(bytes.data(), bytes.size(), &Image);
  if (result != SaveReadOk) {
    std::fprintf(stderr, "kxs-tool: %s %s (%zu bytes); the game refuses it\n", argv[0], RefusalReason(result),
                 bytes.size());
    return 1;
  }
  PrintSave(Image);
  return 0;
}
