// SPDX-License-Identifier: GPL-2.0-or-later
// The new game's world from the four data files.
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "text/hangul.h"
#include "world/data_lines.h"
#include "world/world.h"

namespace {

// The length of text cut to at most limit bytes without splitting a
// two-byte character.
size_t CutWithoutSplitting(const char* text, size_t limit) {
  size_t length = 0;
  while (text[length] != '\0') {
    const size_t width = (static_cast<uint8_t>(text[length]) >= 0x80 && text[length + 1] != '\0') ? 2 : 1;
    if (length + width > limit) break;
    length += width;
  }
  return length;
}

void ReadCompanies(DataLineReader* reader) {
  SkipDataLines(reader, 6);
  ReadDataLine(reader);
  int32_t count = ParseInt32(reader->line);
  if (count > CorpCountLimit) count = CorpCountLimit;
  for (int32_t i = 0; i < count; ++i) {
    Company& company = Companies[i];
    SkipDataLines(reader, 1);
    ReadDataLine(reader);
    // The player keeps the typed name. A rival's name is the line's first
    // 30 bytes as they stand, a short line's line feed included.
    if (i != 0) {
      std::memset(company.name, 0, sizeof company.name);
      std::memcpy(company.name, reader->line, strnlen(reader->line, RivalNameBytes));
    }
    ReadDataLine(reader);
    company.money = ParseInt64(reader->line);
    ReadDataLine(reader);
    company.reserveA = ParseInt32(reader->line);
    ReadDataLine(reader);
    company.bidOdds = static_cast<int8_t>(ParseInt32(reader->line));
    // A divisor: 0 or less would stop every negotiation with a crash.
    if (company.bidOdds < 1) company.bidOdds = 1;
    ReadDataLine(reader);
    company.reserveB = static_cast<uint8_t>(ParseInt32(reader->line));
    company.kind = i == 0 ? KindPlayer : KindRival;
    company.staffCount = 0;
  }
  CompanyCount = count;
}

void ReadDinner(DataLineReader* reader) {
  SkipDataLines(reader, 2);
  ReadDataLine(reader);
  DinnerParams.values[0] = ParseInt32(reader->line);
  DinnerParams.id = 0;
}

void ReadBank(DataLineReader* reader) {
  SkipDataLines(reader, 1);
  ReadDataLine(reader);
  const int32_t count = ParseInt32(reader->line);
  for (int32_t i = 0; i < count; ++i) {
    // Values beyond the twenty the record holds are read and ignored; once
    // the file has ended there is nothing left to read.
    if (i >= ParamValues && reader->ended) break;
    SkipDataLines(reader, 1);
    ReadDataLine(reader);
    if (i < ParamValues) BankParams.values[i] = ParseInt32(reader->line);
  }
  BankParams.id = 1;
}

void ReadPersons(DataLineReader* reader) {
  ReadDataLine(reader);
  int32_t count = ParseInt32(reader->line);
  if (count > ManCountLimit) count = ManCountLimit;
  for (int32_t i = 0; i < count; ++i) {
    Person& person = Persons[i];
    std::memset(&person, 0, sizeof person);
    person.employer = -1;
    person.employed = 0;
    person.stress = 0;
    SkipDataLines(reader, 1);
    ReadDataLine(reader);
    char name[DataLineBytes];
    std::memcpy(name, reader->line, sizeof name);
    TrimLineEnd(name);
    // The field holds 50 bytes; a longer line must not run past it.
    std::memcpy(person.name, name, CutWithoutSplitting(name, PersonNameBytes));
    ReadDataLine(reader);
    person.category = static_cast<int8_t>(ParseInt32(reader->line));
    SkipDataLines(reader, 1);
    ReadDataLine(reader);
    person.salary = static_cast<int16_t>(ParseInt32(reader->line));
    for (int16_t& aptitude : person.aptitude) {
      ReadDataLine(reader);
      aptitude = static_cast<int16_t>(ParseInt32(reader->line));
    }
    ReadDataLine(reader);
    person.morale = static_cast<int16_t>(ParseInt32(reader->line));
  }
  PersonCount = count;
}

// Opens path in text mode and runs read over it; false when it cannot be
// opened.
bool ReadDataFile(const char* path, void (*read)(DataLineReader*)) {
  DataLineReader reader;
  reader.file = PlatformOpenFile(PlatformFilePath(path).c_str(), "rb");
  if (reader.file == nullptr) return false;
  read(&reader);
  std::fclose(reader.file);
  return true;
}

void ConvertPlayerNames() {
  if (!PlayerNamesAreWansung) return;
  Company& player = Companies[0];
  player.presidentName[sizeof player.presidentName - 1] = '\0';
  player.name[sizeof player.name - 1] = '\0';
  ConvertString(Wansung, Johab, player.presidentName);
  ConvertString(Wansung, Johab, player.name);
  PlayerNamesAreWansung = false;
}

}  // namespace

int LoadGameData() {
  ConvertPlayerNames();
  struct Step {
    const char* path;
    void (*read)(DataLineReader*);
    NoticeId notice;
  };
  static const Step steps[] = {
      {CorpFilePath, ReadCompanies, NoticeNoCorpFile},
      {MainFilePath, ReadDinner, NoticeNoMainFile},
      {BankFilePath, ReadBank, NoticeNoBankFile},
      {ManFilePath, ReadPersons, NoticeNoManFile},
  };
  for (const Step& step : steps) {
    if (!ReadDataFile(step.path, step.read)) {
      NoticeCode = step.notice;
      return 0;
    }
  }
  DayCount = 1;
  LoadStatusIcons();
  return 1;
}
