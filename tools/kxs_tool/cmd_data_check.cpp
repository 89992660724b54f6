// data-check DIR: checks a data tree the way the game will read it, and
// names every missing file and every suspicious value with file and line.
// The world's text files and the pictures, fonts and sounds are reported
// apart, so that a tree whose art is still missing can show a clean world.
#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/platform.h"
#include "text/font.h"
#include "gfx/image.h"
#include "tools/kxs_tool/commands.h"
#include "world/data_files.h"
#include "world/data_lines.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {

// Every picture, font and sound the game names, with the size the game
// draws a picture at (0 x 0: any size). Intro pictures come from intro.dat.
struct MediaFile {
  const char* path;
  int width;
  int height;
};

constexpr int Full = -1;  // 640 x 480

const MediaFile GameMedia[] = {
    {"cur/arrow.kxg", 16, 16},
    {"cur/w0001.kxg", 32, 48}, {"cur/w0002.kxg", 32, 48}, {"cur/w0003.kxg", 32, 48}, {"cur/w0004.kxg", 32, 48},
    {"cur/w0005.kxg", 32, 48}, {"cur/w0006.kxg", 32, 48}, {"cur/w0007.kxg", 32, 48}, {"cur/w0008.kxg", 32, 48},
    {"data/main.kxg", Full, Full}, {"data/mainmenu.kxg", Full, Full}, {"data/first.kxg", Full, Full},
    {"data/mm1.kxg", 186, 55}, {"data/mm2.kxg", 186, 55}, {"data/mm3.kxg", 186, 55}, {"data/mm4.kxg", 186, 55},
    {"data/fir_but.kxg", 87, 44},
    {"data/mo001.kxg", Full, Full}, {"data/totalbar2.kxg", 128, 180},
    {"data/money.kxg", 20, 20}, {"data/gugi.kxg", 20, 20}, {"data/day.kxg", 20, 20},
    {"data/work1.kxg", 90, 80}, {"data/work2.kxg", 90, 80}, {"data/work3.kxg", 90, 80},
    {"data/work4.kxg", 90, 80}, {"data/work5.kxg", 90, 80}, {"data/work6.kxg", 90, 80},
    {"data/tmap0002.kxg", Full, Full}, {"data/info.kxg", Full, Full}, {"data/self.kxg", Full, Full},
    {"data/eat.kxg", Full, Full}, {"data/commbar.kxg", 186, 330}, {"data/commbar1.kxg", 186, 330},
    {"data/prison.kxg", 177, 122}, {"data/care.kxg", 326, 236}, {"data/man001.kxg", Full, Full},
    {"data/ani1.kxg", 220, 90}, {"data/ani2.kxg", 220, 90}, {"data/ani3.kxg", 220, 90},
    {"data/ani4.kxg", 220, 90}, {"data/ani5.kxg", 220, 90}, {"data/ani6.kxg", 220, 90},
    {"data/bill001.kxg", Full, Full}, {"data/return.kxg", 135, 35}, {"data/win.kxg", Full, Full},
    {"data/bank001.kxg", Full, Full}, {"data/love.kxg", Full, Full},
    {"sound/start.wav", 0, 0}, {"sound/yes.wav", 0, 0}, {"sound/error.wav", 0, 0}, {"sound/walk.wav", 0, 0},
    {"sound/stop.wav", 0, 0}, {"sound/end.wav", 0, 0}, {"sound/money.wav", 0, 0}, {"sound/crack.wav", 0, 0},
    {"sound/win.wav", 0, 0}, {"sound/001.wav", 0, 0}, {"sound/003.wav", 0, 0},
};

// The fonts the game reads only at exactly their size.
struct FontFile {
  const char* path;
  long bytes;
};

const FontFile GameFonts[] = {{"data/han.fnt", HanFontBytes}, {"data/eng.fnt", EngFontBytes}};

struct Report {
  std::string root;
  std::vector<std::string> world;  // problems of the world's text files
  std::vector<std::string> notes;  // worth knowing, not wrong
  std::vector<std::string> media;  // missing or wrong pictures, fonts, sounds

  std::string Path(const char* relative) const { return root + "/" + relative; }
};

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Reads a data file as the game does, keeping the physical line number for
// messages and noting where the game's reading differs from the text.
class CheckedFile {
 public:
  CheckedFile(Report* report, const char* relative) : report_(report), name_(relative) {
    reader_.file = PlatformOpenFile(report->Path(relative).c_str(), "rb");
  }
  ~CheckedFile() {
    if (reader_.file != nullptr) std::fclose(reader_.file);
  }
  CheckedFile(const CheckedFile&) = delete;
  CheckedFile& operator=(const CheckedFile&) = delete;

  bool Open() const { return reader_.file != nullptr; }
  int LineNumber() const { return line_; }
  void Problem(int line, const std::string& message) { report_->world.push_back(Where(line) + message); }
  void Note(int line, const std::string& message) { report_->notes.push_back(Where(line) + message); }

  // The next read; what names what the line should hold.
  const char* Next(const char* what) {
    const bool got = ReadDataLine(&reader_);
    if (!got) {
      if (!ended_) Problem(line_ + 1, std::string("the file ends where ") + what + " should be; " +
                                          "the game reads its last line again for every missing one");
      ended_ = true;
      return reader_.line;
    }
    if (!continued_) line_ += 1;
    const size_t length = std::strlen(reader_.line);
    const bool wholeLine = length > 0 && reader_.line[length - 1] == '\n';
    if (!wholeLine && !reader_.ended && !continued_) {
      Problem(line_, "longer than 78 characters: the game reads it as more than one line");
    }
    continued_ = !wholeLine;
    return reader_.line;
  }
  void Skip(int count, const char* what) {
    for (int i = 0; i < count; ++i) Next(what);
  }
  bool Ended() const { return ended_; }

  // A number line: what the game reads, and a problem when that is not what
  // the text says or lies outside lowest..highest.
  int64_t Number(const char* what, int64_t lowest, int64_t highest) {
    const char* text = Next(what);
    const int64_t value = ParseInt64(text);
    if (ended_) return value;
    const char* at = text;
    while (*at == ' ' || *at == '\t') ++at;
    if (*at == '+' || *at == '-') ++at;
    if (*at < '0' || *at > '9') {
      Problem(line_, std::string(what) + " is not a number (the game reads " + std::to_string(value) + ")");
    } else {
      while (*at >= '0' && *at <= '9') ++at;
      while (*at == ' ' || *at == '\t' || *at == '\r' || *at == '\n') ++at;
      if (*at != '\0') Problem(line_, std::string(what) + " has text after the number, which the game ignores");
    }
    if (value < lowest || value > highest) {
      Problem(line_, std::string(what) + " " + std::to_string(value) + " does not fit (" + std::to_string(lowest) +
                         ".." + std::to_string(highest) + ")");
    }
    return value;
  }

 private:
  std::string Where(int line) const { return name_ + ":" + std::to_string(line) + ": "; }

  Report* report_;
  std::string name_;
  DataLineReader reader_;
  int line_ = 0;
  bool continued_ = false;  // the last read stopped inside a line
  bool ended_ = false;
};

bool MissingFile(Report* report, CheckedFile* file, const char* relative, const char* consequence) {
  if (file->Open()) return false;
  report->world.push_back(std::string(relative) + ": missing; " + consequence);
  return true;
}

size_t LineLength(const char* line) {
  size_t length = std::strlen(line);
  if (length > 0 && line[length - 1] == '\n') --length;
  return length;
}

void CheckCompanies(Report* report) {
  CheckedFile file(report, CorpFilePath);
  if (MissingFile(report, &file, CorpFilePath, "a new game stops with notice 100")) return;
  file.Skip(6, "the heading");
  int64_t count = file.Number("the number of companies", INT32_MIN, INT32_MAX);
  const int countLine = file.LineNumber();
  if (count > CorpCountLimit) {
    file.Problem(countLine, std::to_string(count) + " companies; the table holds 99, the rest are not read");
    count = CorpCountLimit;
  }
  if (count <= 0) file.Problem(countLine, "no companies: the player's company is missing");
  int contractors = 0;
  for (int64_t i = 0; i < count && !file.Ended(); ++i) {
    file.Next("a company's first line");
    const char* name = file.Next("a company name");
    const int nameLine = file.LineNumber();
    if (i > 0 && LineLength(name) > static_cast<size_t>(RivalNameBytes)) {
      file.Problem(nameLine, "a company name of " + std::to_string(LineLength(name)) + " bytes; the game keeps 30");
    }
    if (i > 0 && LineLength(name) == 0) file.Problem(nameLine, "an empty company name");
    const int64_t money = file.Number("money", INT64_MIN, INT64_MAX);
    if (i > 0 && money <= 0) file.Problem(file.LineNumber(), "a rival without money goes bankrupt on the first day");
    if (i > 0 && money > 100000) ++contractors;
    file.Number("reserve A", INT32_MIN, INT32_MAX);
    const int64_t odds = file.Number("bidOdds", 1, INT8_MAX);
    if ((odds < 1 || odds > INT8_MAX) && !file.Ended()) {
      // What the loader makes of it: the low byte, signed, at least 1.
      const int8_t used = static_cast<int8_t>(ParseInt32(std::to_string(odds).c_str()));
      file.Note(file.LineNumber(), "the game uses bidOdds " + std::to_string(used < 1 ? 1 : used));
    }
    file.Number("reserve B", 0, UINT8_MAX);
  }
  if (count > 1 && contractors == 0) {
    file.Problem(countLine, "no rival has more than 100000: the contract market stays empty");
  }
}

void CheckDinner(Report* report) {
  CheckedFile file(report, MainFilePath);
  if (MissingFile(report, &file, MainFilePath, "a new game stops with notice 102")) return;
  file.Skip(2, "the heading");
  if (file.Number("the dinner cost", INT32_MIN, INT32_MAX) <= 0 && !file.Ended()) {
    file.Problem(file.LineNumber(), "a dinner that costs nothing");
  }
}

void CheckBank(Report* report) {
  CheckedFile file(report, BankFilePath);
  if (MissingFile(report, &file, BankFilePath, "a new game stops with notice 101")) return;
  file.Skip(1, "the heading");
  const int64_t count = file.Number("the number of values", INT32_MIN, INT32_MAX);
  const int countLine = file.LineNumber();
  if (count < 9) {
    file.Problem(countLine, "bank values missing: " + std::to_string(count) + " given, the rules use 1 to 8");
  }
  if (count > ParamValues) file.Note(countLine, "values beyond the 20th are read and ignored");
  int64_t values[ParamValues] = {};
  int lines[ParamValues] = {};
  for (int64_t i = 0; i < count && i < ParamValues && !file.Ended(); ++i) {
    file.Next("a value's label");
    values[i] = file.Number("a bank value", INT32_MIN, INT32_MAX);
    lines[i] = file.LineNumber();
  }
  if (count < 9 || file.Ended()) return;
  if (values[1] <= 0 || values[1] > values[2]) file.Problem(lines[1], "the smallest loan is not between 1 and the largest");
  if (values[3] < 1 || values[3] > values[4]) file.Problem(lines[3], "the shortest term is not between 1 and the longest");
  if (values[8] > values[7]) file.Problem(lines[8], "prison comes before the dunning letter");
  if (values[8] == values[7]) file.Note(lines[8], "prison equals the dunning month: an unpaid loan never ends in prison");
  if (values[7] >= values[3]) file.Problem(lines[7], "a loan of the shortest term never gets the dunning letter");
}

void CheckPersons(Report* report) {
  CheckedFile file(report, ManFilePath);
  if (MissingFile(report, &file, ManFilePath, "a new game stops with notice 200")) return;
  int64_t count = file.Number("the number of persons", INT32_MIN, INT32_MAX);
  const int countLine = file.LineNumber();
  if (count > ManCountLimit) {
    file.Problem(countLine, std::to_string(count) + " persons; the table holds 999, the rest are not read");
    count = ManCountLimit;
  }
  if (count > SaveMaxPersons) file.Problem(countLine, "more than 255 persons: such a game cannot be saved");
  if (count <= 0) file.Problem(countLine, "no persons: the job agency never has anybody");
  for (int64_t i = 0; i < count && !file.Ended(); ++i) {
    file.Next("a person's first line");
    const char* name = file.Next("a person's name");
    if (LineLength(name) > static_cast<size_t>(PersonNameBytes)) {
      file.Problem(file.LineNumber(), "a name of " + std::to_string(LineLength(name)) + " bytes; the game keeps 50");
    }
    if (LineLength(name) == 0) file.Problem(file.LineNumber(), "an empty name");
    file.Number("the category", INT8_MIN, INT8_MAX);
    file.Next("a person's fourth line");
    if (file.Number("the salary", INT16_MIN, INT16_MAX) < 0) file.Problem(file.LineNumber(), "a negative salary");
    for (int k = 0; k < 5; ++k) file.Number("an aptitude", INT16_MIN, INT16_MAX);
    file.Number("the morale", INT16_MIN, INT16_MAX);
  }
}

// Returns the number of intro pictures the game will look for.
int CheckIntro(Report* report) {
  if (!Exists(report->Path(IntroFilePath))) {
    report->notes.push_back(std::string(IntroFilePath) + ": missing; the game skips the intro");
    return 0;
  }
  CheckedFile file(report, IntroFilePath);
  file.Next("the heading");
  const int64_t frames = file.Number("the number of pictures", INT32_MIN, INT32_MAX);
  if (frames < 0 || frames > UINT8_MAX) {
    file.Problem(file.LineNumber(), std::to_string(frames) + " pictures: the game keeps the count in 8 bits and shows " +
                                        std::to_string(static_cast<uint8_t>(frames)));
  }
  file.Next("the heading");
  if (file.Number("the milliseconds per picture", INT32_MIN, INT32_MAX) < 0) {
    file.Problem(file.LineNumber(), "a negative time: the intro would never move on");
  }
  return static_cast<uint8_t>(frames);
}

// The game refuses a sound larger than its limit and plays nothing.
void CheckSoundSize(Report* report, const char* name, const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && info.st_size > PlatformSoundMaxBytes) {
    report->media.push_back(std::string(name) + ": " + std::to_string(info.st_size) +
                            " bytes, the game plays no sound over " + std::to_string(PlatformSoundMaxBytes));
  }
}

void CheckMedia(Report* report, const MediaFile& media) {
  const std::string path = report->Path(media.path);
  if (!Exists(path)) {
    report->media.push_back(std::string(media.path) + ": missing");
    return;
  }
  if (media.width == 0) {
    CheckSoundSize(report, media.path, path);
    return;
  }
  std::vector<uint8_t> bytes;
  int width = 0;
  int height = 0;
  if (!ReadWholeFile(path.c_str(), KxgMaxFileBytes, &bytes) || !ReadImageSize(bytes.data(), bytes.size(), &width, &height)) {
    report->media.push_back(std::string(media.path) + ": not a picture the game can read");
    return;
  }
  const int wantWidth = media.width == Full ? 640 : media.width;
  const int wantHeight = media.height == Full ? 480 : media.height;
  if (width != wantWidth || height != wantHeight) {
    report->media.push_back(std::string(media.path) + ": " + std::to_string(width) + "x" + std::to_string(height) +
                            ", the game draws it at " + std::to_string(wantWidth) + "x" + std::to_string(wantHeight));
  }
}

void CheckFont(Report* report, const FontFile& font) {
  const std::string path = report->Path(font.path);
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    report->media.push_back(std::string(font.path) + ": missing");
    return;
  }
  if (info.st_size != font.bytes) {
    report->media.push_back(std::string(font.path) + ": " + std::to_string(info.st_size) +
                            " bytes, the game refuses a font that is not " + std::to_string(font.bytes));
    return;
  }
  std::FILE* file = PlatformOpenFile(path.c_str(), "rb");
  if (file == nullptr) {
    report->media.push_back(std::string(font.path) + ": cannot be opened");
    return;
  }
  std::vector<uint8_t> bytes(size_t(font.bytes));
  const bool read = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::ferror(file) == 0;
  std::fclose(file);
  if (!read) report->media.push_back(std::string(font.path) + ": cannot be read");
}

void Print(const char* heading, const std::vector<std::string>& lines, const char* clean) {
  std::printf("%s: %s\n", heading, lines.empty() ? clean : "");
  for (const std::string& line : lines) std::printf("  %s\n", line.c_str());
}

}  // namespace

int CommandDataCheck(int argc, char** argv) {
  if (argc != 1) {
    std::fprintf(stderr,
                 "usage: kxs-tool data-check DIR\n"
                 "exit 0: all in order; 1: the world's data files have problems;\n"
                 "3: the world is clean but pictures, fonts or sounds are missing or wrong\n");
    return 2;
  }
  Report report;
  report.root = argv[0];
  CheckCompanies(&report);
  CheckDinner(&report);
  CheckBank(&report);
  CheckPersons(&report);
  const int introFrames = CheckIntro(&report);
  for (const MediaFile& media : GameMedia) CheckMedia(&report, media);
  for (const FontFile& font : GameFonts) CheckFont(&report, font);
  for (int i = 0; i < introFrames; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "intro/intro%03d.kxg", i);
    const MediaFile picture = {name, Full, Full};
    CheckMedia(&report, picture);
  }
  Print("world data", report.world, "clean");
  if (!report.notes.empty()) Print("notes", report.notes, "");
  Print("pictures, fonts and sounds", report.media, "all present");
  if (!report.world.empty()) return 1;
  return report.media.empty() ? 0 : 3;
}
