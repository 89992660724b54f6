// Readers against files that are empty, cut short, too large, garbled or not
// files at all, and a save that fails part way through its write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/save_game.h"
#include "gfx/image.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "tests/unit/world_test_support.h"
#include "text/font.h"
#include "tools/port/ini_file.h"
#include "world/data_files.h"
#include "world/save_format.h"
#include "world/world.h"

namespace {

// Bytes that look like nothing: every value, NULs and line feeds among them.
std::vector<uint8_t> Garbage(size_t size, uint32_t seed) {
  std::vector<uint8_t> bytes(size);
  for (auto& byte : bytes) {
    seed = seed * 1103515245u + 12345u;
    byte = uint8_t(seed >> 16);
  }
  return bytes;
}

// Opening a pipe for reading blocks until a writer comes, for ever here.
TEST(HostileOpen, OnlyRegularFilesOpenAndNothingElseIsWaitedOn) {
  ScratchDirectory scratch;
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  std::filesystem::create_directory("folder");
  for (const char* path : {"pipe", "folder", "/dev/null", ""}) {
    for (const char* mode : {"rb", "wb", "r+b"}) {
      errno = 0;
      EXPECT_EQ(PlatformOpenFile(path, mode), nullptr) << path << " " << mode;
      EXPECT_EQ(errno, ENOENT) << path << " " << mode;
    }
  }
  errno = 0;
  EXPECT_EQ(PlatformOpenFile("none", "rb"), nullptr);
  EXPECT_EQ(errno, ENOENT);
  std::FILE* written = PlatformOpenFile("file", "wb");
  ASSERT_NE(written, nullptr);
  EXPECT_EQ(std::fputs("bytes", written), 1);
  EXPECT_EQ(std::fclose(written), 0);
  std::FILE* read = PlatformOpenFile("file", "rb");
  ASSERT_NE(read, nullptr);
  char text[8] = "";
  EXPECT_EQ(std::fread(text, 1, sizeof text, read), 5u);  // blocking reads again
  EXPECT_EQ(std::fclose(read), 0);
  EXPECT_EQ(PlatformOpenFile("file", "x"), nullptr);
}

// A pipe with no writer in place of each file the game reads: every reader
// goes on as without the file. A reader that waits is ended by the alarm.
TEST(HostileOpen, PipesInPlaceOfTheGamesFilesAreNeverWaitedOn) {
  alarm(60);
  ScratchDirectory scratch;
  HeadlessReset();
  ResetWorld();
  for (const char* path : {"data/han.fnt", "data/eng.fnt", "data/main.kxg", CorpFilePath, MainFilePath, BankFilePath,
                           ManFilePath, IntroFilePath, SaveFilePath, "kxs.ini"}) {
    ASSERT_EQ(mkfifo(path, 0600), 0) << path;
  }
  EXPECT_EQ(LoadFonts("data/han.fnt", "data/eng.fnt"), 0);
  std::vector<uint8_t> frame(640 * 480, 1), palette(768, 2);
  LoadImageWithPalette(frame.data(), frame.size(), "data/main.kxg", palette.data());
  EXPECT_EQ(frame, std::vector<uint8_t>(640 * 480, 1));
  ClearWorldForNewGame();
  EXPECT_EQ(LoadGameData(), 0);
  uint8_t frames = 0;
  int32_t delay = 0;
  EXPECT_FALSE(ReadIntroData(IntroFilePath, &frames, &delay));
  LoadGame();
  EXPECT_NE(HeadlessLogLines().back().find("File Error"), std::string::npos);
  IniFile ini;
  EXPECT_EQ(ReadIni("kxs.ini", &ini), IniMissing);
  alarm(0);
}

TEST(HostilePictures, FilesThatAreNoPictureLeaveTheDestination) {
  ScratchDirectory scratch;
  std::vector<uint8_t> frame(640 * 480, 0x5A);
  std::vector<uint8_t> palette(768, 0x33);
  const std::vector<uint8_t> before = frame;
  WriteBytes("data/empty.kxg", std::vector<uint8_t>{});
  WriteBytes("data/header.kxg", std::vector<uint8_t>(KxgHeaderBytes - 1, 10));
  WriteBytes("data/huge.kxg", std::vector<uint8_t>(KxgMaxFileBytes + 1, 10));
  std::filesystem::create_directory("data/folder.kxg");
  for (const char* path : {"data/empty.kxg", "data/header.kxg", "data/huge.kxg", "data/folder.kxg", "data/none.kxg"}) {
    LoadImageWithPalette(frame.data(), frame.size(), path, palette.data());
    EXPECT_EQ(frame, before) << path;
    EXPECT_EQ(palette, std::vector<uint8_t>(768, 0x33)) << path;
  }
}

TEST(HostilePictures, GarbledBytesNeverWritePastTheCapacity) {
  for (uint32_t seed = 1; seed < 200; ++seed) {
    std::vector<uint8_t> bytes = Garbage(KxgHeaderBytes + seed * 7, seed);
    bytes[0] = 10;  // past the first check now and then
    std::vector<uint8_t> destination(400 + 16, 0xEE);
    DecodeImage(bytes.data(), bytes.size(), destination.data(), 400, nullptr);
    for (size_t i = 400; i < destination.size(); ++i) ASSERT_EQ(destination[i], 0xEE) << "seed " << seed;
  }
}

TEST(HostileFonts, FoldersAndEmptyFilesAreRefusedAndKeepTheFonts) {
  ScratchDirectory scratch;
  WriteBytes("data/han.fnt", std::vector<uint8_t>(HanFontBytes, 0x11));
  WriteBytes("data/eng.fnt", std::vector<uint8_t>(EngFontBytes, 0x22));
  ASSERT_EQ(LoadFonts("data/han.fnt", "data/eng.fnt"), 1);
  std::filesystem::create_directory("data/dir.fnt");
  WriteBytes("data/empty.fnt", std::vector<uint8_t>{});
  EXPECT_EQ(LoadFonts("data/dir.fnt", "data/eng.fnt"), 0);
  EXPECT_EQ(LoadFonts("data/han.fnt", "data/dir.fnt"), 0);
  EXPECT_EQ(LoadFonts("data/empty.fnt", "data/empty.fnt"), 0);
  EXPECT_NE(std::strlen(FontLoadError()), 0u);
  ASSERT_NE(InitialFont, nullptr);
  ASSERT_NE(EngFont, nullptr);
  EXPECT_EQ(InitialFont[0], 0x11);
  EXPECT_EQ(EngFont[0], 0x22);
  FreeFonts();
}

class HostileDataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWorld();
    WriteBytes(CorpFilePath, std::string("2\nA\n1\n2\n3\n4\n5\n6\n7\nB\n1\n2\n3\n4\n5\n6\n7\n"));
    WriteBytes(MainFilePath, std::string("1\n2\n3\n"));
    WriteBytes(BankFilePath, std::string("1\n2\n3\n"));
    WriteBytes(ManFilePath, std::string("1\nKim\n1\n2\n3\n4\n5\n"));
  }
  ScratchDirectory scratch;
};

TEST_F(HostileDataFiles, GarbledEmptyAndHugeFilesStayWithinTheTables) {
  for (const char* path : {CorpFilePath, MainFilePath, BankFilePath, ManFilePath}) {
    const std::vector<std::vector<uint8_t>> files = {
        {},
        Garbage(5000, 7),
        std::vector<uint8_t>(200000, '9'),  // one endless number
        std::vector<uint8_t>(300000, '\n'),
    };
    for (size_t i = 0; i < files.size(); ++i) {
      WriteBytes(path, files[i]);
      ClearWorldForNewGame();
      EXPECT_EQ(LoadGameData(), 1) << path << " file " << i;
      EXPECT_GE(CompanyCount, 0);
      EXPECT_LE(CompanyCount, CorpCountLimit);
      EXPECT_GE(PersonCount, 0);
      EXPECT_LE(PersonCount, ManCountLimit);
    }
    SetUp();
  }
}

TEST_F(HostileDataFiles, AFolderInPlaceOfAFileIsMissingOrUnreadable) {
  std::filesystem::remove(BankFilePath);
  std::filesystem::create_directory(BankFilePath);
  ClearWorldForNewGame();
  const int loaded = LoadGameData();
  // A folder opens on Linux but reads nothing; either way the tables hold.
  if (loaded == 0) {
    EXPECT_EQ(NoticeCode, NoticeNoBankFile);
  }
  EXPECT_LE(CompanyCount, CorpCountLimit);
}

TEST(HostileIntro, AFolderGivesNoIntroAndWritesNothing) {
  ScratchDirectory scratch;
  std::filesystem::create_directory(IntroFilePath);
  uint8_t frames = 42;
  int32_t delay = 42;
  EXPECT_FALSE(ReadIntroData(IntroFilePath, &frames, &delay));
  EXPECT_EQ(frames, 42);
  EXPECT_EQ(delay, 42);
  std::filesystem::remove(IntroFilePath);
  WriteBytes(IntroFilePath, Garbage(3000, 3));
  ReadIntroData(IntroFilePath, &frames, &delay);  // any values, no fault
}

TEST(HostileSave, GarbledFilesOfEveryLengthAreRefusedWhole) {
  SaveImage* image = new SaveImage{};
  image->dayCount = 77;
  for (size_t size : {size_t(0), size_t(1), SaveHeaderBytes, SavePlainBytes(1, 1), SaveMaxFileBytes}) {
    std::vector<uint8_t> bytes = Garbage(size, uint32_t(size));
    if (!bytes.empty()) bytes[0] = 'K';
    if (DecodeSave(bytes.data(), bytes.size(), image) != SaveReadOk) {
      EXPECT_EQ(image->dayCount, 77) << size;
    }
  }
  delete image;
}

// A write that stops after limit bytes, as a full disk would stop it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit cut = old_;
    cut.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &cut);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};

TEST(HostileSave, ASaveCutOffAtAnyPointKeepsThePreviousFile) {
  ScratchDirectory scratch;
  HeadlessReset();
  ResetWorld();
  CompanyCount = 3;
  PersonCount = 20;
  DayCount = 10;
  SaveGame();
  const std::vector<uint8_t> previous = ReadBytes(SaveFilePath);
  ASSERT_EQ(previous.size(), SavePlainBytes(3, 20) + SaveTrailerBytes);
  DayCount = 11;
  for (rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(2048), rlim_t(4096), rlim_t(previous.size() - 1)}) {
    {
      FileSizeLimit cut(limit);
      SaveGame();
    }
    EXPECT_EQ(ReadBytes(SaveFilePath), previous) << "cut at " << limit;
    EXPECT_FALSE(std::filesystem::exists("cur/kxs.sav.tmp")) << "cut at " << limit;
    EXPECT_NE(HeadlessLogLines().back().find("File Error"), std::string::npos) << "cut at " << limit;
  }
  // With room again the new day is saved.
  SaveGame();
  EXPECT_NE(ReadBytes(SaveFilePath), previous);
}

TEST(HostileSave, NoSaveFolderAtAllIsAFailedSave) {
  ScratchDirectory scratch;
  HeadlessReset();
  ResetWorld();
  std::filesystem::remove("cur");
  WriteBytes("cur", std::string("a file where the folder should be"));
  SaveGame();
  EXPECT_NE(HeadlessLogLines().back().find("File Error"), std::string::npos);
  EXPECT_EQ(ReadBytes("cur").size(), 33u);
}

}  // namespace
