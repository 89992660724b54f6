// Writes the default world's data files from the readable tables beside
// this file: UTF-8 in, Johab out, in the line formats the game reads.
//   kxs-make-world SOURCE_DIR GAME_TREE [LANGUAGE]
// With a language (a catalogue of text/catalogue.h) the names and the
// files' comments are that language's: the world of its overlay of the
// data tree. Fails, naming the table and line, on anything the game would
// read differently from what the table says.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/data_files.h"
#include "world/save_format.h"

namespace {

// The reader takes at most 79 bytes a read: 78 characters and the line feed.
constexpr size_t LongestLine = 78;

struct Row {
  std::string where;  // "table:line" for messages
  std::vector<std::string> cells;
};

[[noreturn]] void Fail(const std::string& where, const std::string& message) {
  std::fprintf(stderr, "kxs-make-world: %s: %s\n", where.c_str(), message.c_str());
  std::exit(1);
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The rows of a table: lines split at '|', without comments and blanks.
std::vector<Row> ReadTable(const std::string& directory, const char* name) {
  std::ifstream in(directory + "/" + name);
  if (!in) Fail(name, "cannot be opened");
  std::vector<Row> rows;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    Row row{std::string(name) + ":" + std::to_string(number), {}};
    std::stringstream cells(trimmed);
    std::string cell;
    while (std::getline(cells, cell, '|')) row.cells.push_back(Trim(cell));
    rows.push_back(row);
  }
  return rows;
}

int64_t Number(const Row& row, const std::string& text, int64_t lowest, int64_t highest) {
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0') Fail(row.where, "\"" + text + "\" is not a number");
  if (value < lowest || value > highest) {
    Fail(row.where, text + " is outside " + std::to_string(lowest) + ".." + std::to_string(highest));
  }
  return value;
}

// A company's or person's name, and the comments of the files, in the
// language of the world being written.
constexpr const char* DataFileContext = "data file";
std::string Translated(const char* context, const std::string& utf8) { return TrIn(context, utf8.c_str()); }
std::string Comment(const std::string& utf8) { return Translated(DataFileContext, utf8); }

// "[I]", the label before a record, built by appending: "[" + std::to_string(i)
// trips a false -Wrestrict of GCC 12 at -O3.
std::string RecordLabel(int i) {
  std::string label(1, '[');
  label += std::to_string(i);
  label += ']';
  return label;
}

std::string Johab(const Row& row, const std::string& utf8) {
  std::string johab;
  if (!Utf8ToJohab(utf8, &johab)) Fail(row.where, "\"" + utf8 + "\" has characters Johab cannot hold");
  return johab;
}

// A data file being written: Johab lines, each checked against the reader.
struct DataFile {
  std::string path;
  std::string text;

  void Line(const Row& row, const std::string& johab) {
    if (johab.size() > LongestLine) Fail(row.where, "a line of " + path + " is longer than 78 bytes");
    text += johab + "\n";
  }
  void Line(const Row& row, int64_t number) { Line(row, std::to_string(number)); }
  void Write(const std::string& tree) const {
    const std::string full = tree + "/" + path;
    std::ofstream out(full, std::ios::binary);
    out << text;
    if (!out.flush()) Fail(full, "cannot be written");
  }
};

const Row Header{"header", {}};

DataFile CorpData(const std::vector<Row>& rows) {
  if (rows.empty() || rows.size() > static_cast<size_t>(CorpCountLimit)) Fail("companies.txt", "1 to 99 companies");
  DataFile file{CorpFilePath, ""};
  for (const char* line : {TrIn("data file", u8"KXS 회사 자료"),
                           TrIn("data file", u8"일곱째 줄은 회사 수, 그 다음 회사마다 여섯 줄:"),
                           TrIn("data file", u8"구분, 이름 (30바이트까지), 자금, 예비 A, 수주 확률 (1 이상), 예비 B"),
                           TrIn("data file", u8"첫 회사는 플레이어의 회사이며 이름은 입력한 것을 씁니다"),
                           TrIn("data file", u8"수주 확률 n: 협상이 n번에 한 번 성공합니다")}) {
    file.Line(Header, Johab(Header, std::string("; ") + line));
  }
  file.Line(Header, ";");
  file.Line(Header, static_cast<int64_t>(rows.size()));
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    if (row.cells.size() != 5) Fail(row.where, "name | money | reserve A | bid odds | reserve B");
    const std::string name = i == 0 ? Johab(row, TrIn("data file", u8"(입력한 회사 이름)"))
                                    : Johab(row, Translated("company", row.cells[0]));
    // Longer names would be cut by the reader.
    if (name.size() > static_cast<size_t>(RivalNameBytes)) Fail(row.where, "a name of more than 30 bytes");
    if (name.empty()) Fail(row.where, "no name");
    file.Line(row, Johab(row, RecordLabel(i) + (i == 0 ? std::string(" ") + TrIn("data file", u8"플레이어") : std::string())));
    file.Line(row, name);
    file.Line(row, Number(row, row.cells[1], 1, std::numeric_limits<int64_t>::max()));
    file.Line(row, Number(row, row.cells[2], INT32_MIN, INT32_MAX));
    file.Line(row, Number(row, row.cells[3], 1, INT8_MAX));
    file.Line(row, Number(row, row.cells[4], 0, UINT8_MAX));
  }
  return file;
}

int Category(const Row& row, const std::string& word) {
  const char* const names[] = {"프로그래머", "디자이너", "영업", "관리"};
  for (int i = 0; i < 4; ++i) {
    if (word == names[i]) return i;
  }
  if (word == "기타") return 9;
  Fail(row.where, "unknown category \"" + word + "\"");
}

DataFile ManData(const std::vector<Row>& rows) {
  // The save file counts persons in one byte.
  if (rows.empty() || rows.size() > static_cast<size_t>(SaveMaxPersons)) Fail("persons.txt", "1 to 255 persons");
  DataFile file{ManFilePath, ""};
  file.Line(Header, static_cast<int64_t>(rows.size()));
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    std::vector<std::string> aptitudes;
    if (row.cells.size() == 5) {
      std::stringstream values(row.cells[3]);
      std::string value;
      while (values >> value) aptitudes.push_back(value);
    }
    if (aptitudes.size() != 5) Fail(row.where, "name | category | salary | five aptitudes | morale");
    const std::string name = Johab(row, Translated("person", row.cells[0]));
    if (name.empty() || name.size() > static_cast<size_t>(PersonNameBytes)) Fail(row.where, "a name of 1 to 50 bytes");
    file.Line(row, Johab(row, RecordLabel(i) + " " + Comment(row.cells[1])));
    file.Line(row, name);
    file.Line(row, Category(row, row.cells[1]));
    file.Line(row, Johab(row, std::string("; ") + TrIn("data file", u8"희망월급, 적성 다섯, 사기")));
    file.Line(row, Number(row, row.cells[2], 0, 2000));
    for (const std::string& aptitude : aptitudes) file.Line(row, Number(row, aptitude, 0, 3000));
    file.Line(row, Number(row, row.cells[4], 0, 3000));
  }
  return file;
}

// The rows of terms.txt with the given key.
std::vector<Row> Terms(const std::vector<Row>& rows, const std::string& key) {
  std::vector<Row> found;
  for (const Row& row : rows) {
    if (row.cells.size() != 3) Fail(row.where, "key | value | label");
    if (row.cells[0] == key) found.push_back(row);
  }
  return found;
}

Row OneTerm(const std::vector<Row>& rows, const std::string& key) {
  const std::vector<Row> found = Terms(rows, key);
  if (found.size() != 1) Fail("terms.txt", "exactly one \"" + key + "\"");
  return found[0];
}

DataFile Dinner(const std::vector<Row>& terms) {
  const Row row = OneTerm(terms, "dinner");
  DataFile file{MainFilePath, ""};
  file.Line(row, Johab(row, std::string("; ") + TrIn("data file", u8"회식비")));
  file.Line(row, Johab(row, "; " + Comment(row.cells[2])));
  file.Line(row, Number(row, row.cells[1], 0, INT32_MAX));
  return file;
}

DataFile Bank(const std::vector<Row>& terms) {
  const std::vector<Row> values = Terms(terms, "bank");
  // The rules use values 1 to 8; the record holds 20.
  if (values.size() < 9 || values.size() > static_cast<size_t>(ParamValues)) Fail("terms.txt", "9 to 20 bank values");
  DataFile file{BankFilePath, ""};
  file.Line(Header, Johab(Header, std::string("; ") + TrIn("data file", u8"은행 조건: 값의 수, 그 다음 값마다 설명 한 줄과 값 한 줄")));
  file.Line(Header, static_cast<int64_t>(values.size()));
  for (const Row& row : values) {
    file.Line(row, Johab(row, "; " + Comment(row.cells[2])));
    file.Line(row, Number(row, row.cells[1], INT32_MIN, INT32_MAX));
  }
  return file;
}

DataFile Intro(const std::vector<Row>& terms) {
  const Row frames = OneTerm(terms, "intro_frames");
  const int64_t count = Number(frames, frames.cells[1], 0, UINT8_MAX);
  const Row delay = OneTerm(terms, "intro_delay");
  DataFile file{IntroFilePath, ""};
  file.Line(frames, Johab(frames, "; " + Comment(frames.cells[2])));
  file.Line(frames, count);
  file.Line(delay, Johab(delay, "; " + Comment(delay.cells[2])));
  file.Line(delay, Number(delay, delay.cells[1], 0, INT32_MAX));
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: kxs-make-world SOURCE_DIR GAME_TREE [LANGUAGE]\n");
    return 2;
  }
  if (argc == 4 && !SetLanguage(argv[3])) Fail(argv[3], "no catalogue for this language");
  const std::string source = argv[1];
  const std::vector<Row> terms = ReadTable(source, "terms.txt");
  const DataFile files[] = {
      CorpData(ReadTable(source, "companies.txt")), ManData(ReadTable(source, "persons.txt")),
      Dinner(terms), Bank(terms), Intro(terms),
  };
  for (const DataFile& file : files) file.Write(argv[2]);
  return 0;
}
