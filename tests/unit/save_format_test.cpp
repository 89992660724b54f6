// SPDX-License-Identifier: GPL-2.0-or-later
// The save file's bytes: layout, round trips, hostile files and the job
// trailer.
#include "world/save_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "world/world.h"

namespace {

const SavedScreenState Screen = {800, 1234, 1240, 6, 1, 3};

// A small world with every field set to something recognisable.
void MakeWorld(int companies, int persons) {
  ResetWorld();
  DayCount = 45;
  IntroFrames = 8;
  IntroFrame = 2;
  TickCompany = 7;
  SaveSpare = -9;
  ListCount = 4;
  ListCursor = 2;
  SeekerCount = 3;
  for (int i = 0; i < IndexListSize; ++i) IndexList[i] = i * 3 - 1;
  CompanyCount = companies;
  for (int i = 0; i < companies; ++i) {
    Company& c = Companies[i];
    c.kind = i == 0 ? KindPlayer : KindRival;
    std::snprintf(c.presidentName, sizeof c.presidentName, "boss %d", i);
    std::snprintf(c.name, sizeof c.name, "company %d", i);
    c.money = 5000000000LL + i;
    c.loanAmount = 100 + i;
    c.loanMonths = -2;
    c.reserveA = 1990;
    c.bidOdds = static_cast<int8_t>(i + 1);
    c.reserveB = 200;
    c.staffCount = i * 2;
    c.workTicks = 33;
    c.isContract = 1;
    c.progress = 57;
    c.jobDays = 90;
  }
  DinnerParams.values[0] = 30;
  BankParams.id = 1;
  for (int i = 0; i < ParamValues; ++i) BankParams.values[i] = -i * 1000;
  PersonCount = persons;
  for (int i = 0; i < persons; ++i) {
    Person& p = Persons[i];
    p.category = static_cast<int8_t>(i % 5);
    p.employer = i % 3 == 0 ? 0 : -1;
    p.employed = i % 3 == 0;
    std::snprintf(p.name, sizeof p.name, "person %d", i);
    p.salary = static_cast<int16_t>(100 + i);
    for (int k = 0; k < 5; ++k) p.aptitude[k] = static_cast<int16_t>(1000 + k - i);
    p.morale = 1001;
    p.stress = static_cast<int16_t>(-i);
  }
  JobReward = 5000;
  JobType = 3;
  JobClient = 2;
  JobSpare = 0;
  DDay = 12;
}

std::vector<uint8_t> Encode(bool withJob = true) {
  static SaveImage image;
  EXPECT_EQ(CaptureSave(Screen, &image), SaveFits);
  image.hasJob = withJob;
  std::vector<uint8_t> bytes;
  EncodeSave(image, &bytes);
  return bytes;
}

SaveReadResult Load(const std::vector<uint8_t>& bytes, SavedScreenState* screen = nullptr) {
  static SaveImage image;
  const SaveReadResult result = DecodeSave(bytes.data(), bytes.size(), &image);
  if (result == SaveReadOk) {
    ApplySave(image);
    if (screen != nullptr) *screen = image.screen;
  }
  return result;
}

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

TEST(SaveFormat, SizesAndPlaces) {
  MakeWorld(3, 120);
  EXPECT_EQ(SavePlainBytes(3, 120), 11314u);
  const std::vector<uint8_t> plain = Encode(false);
  ASSERT_EQ(plain.size(), 11314u);
  EXPECT_EQ(Encode(true).size(), 11314u + 15u);
  EXPECT_EQ(std::memcmp(plain.data(), "KXS", 3), 0);
  EXPECT_EQ(U32At(plain, 3), 45u);
  EXPECT_EQ(plain[7], 8);
  EXPECT_EQ(plain[8], 2);
  EXPECT_EQ(U32At(plain, 9), 800u);
  EXPECT_EQ(U32At(plain, 13), 1234u);
  EXPECT_EQ(U32At(plain, 21), 6u);
  EXPECT_EQ(plain[25], 1);
  EXPECT_EQ(U32At(plain, 26), 7u);
  EXPECT_EQ(U32At(plain, 30), static_cast<uint32_t>(-9));
  EXPECT_EQ(plain[34] | plain[35] << 8, 3);
  EXPECT_EQ(U32At(plain, 44), 3u);
  EXPECT_EQ(U32At(plain, 48), static_cast<uint32_t>(-1));
  EXPECT_EQ(U32At(plain, 48 + 4 * 499), 1496u);
  EXPECT_EQ(plain[2048], 3);
  // The second company: money, bidOdds, the zero paddings, jobDays.
  const size_t second = 2049 + 152;
  EXPECT_EQ(plain[second], KindRival);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&plain[second + 51])), "company 1");
  EXPECT_EQ(U32At(plain, second + 104), static_cast<uint32_t>(5000000001LL));
  EXPECT_EQ(U32At(plain, second + 108), 1u);
  EXPECT_EQ(plain[second + 124], 2);
  EXPECT_EQ(plain[second + 126] | plain[second + 127], 0);
  EXPECT_EQ(U32At(plain, second + 128), 2u);
  EXPECT_EQ(plain[second + 136], 1);
  EXPECT_EQ(U32At(plain, second + 144), 90u);
  EXPECT_EQ(U32At(plain, second + 148), 0u);
  const size_t params = 2049 + 3 * 152;
  EXPECT_EQ(U32At(plain, params + 4), 30u);
  EXPECT_EQ(plain[params + 84], 1);
  EXPECT_EQ(U32At(plain, params + 84 + 4 + 4 * 19), static_cast<uint32_t>(-19000));
  EXPECT_EQ(plain[params + 168], 120);
  const size_t person = params + 169 + 72;  // the second person
  EXPECT_EQ(plain[person], 1);
  EXPECT_EQ(plain[person + 2] | plain[person + 3] << 8, 0xFFFF);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&plain[person + 5])), "person 1");
  EXPECT_EQ(plain[person + 56], 101);
  EXPECT_EQ(plain[person + 70] | plain[person + 71] << 8, 0xFFFF);
}

TEST(SaveFormat, ARoundTripGivesTheSameWorldAndBytes) {
  MakeWorld(31, 150);
  const std::vector<uint8_t> first = Encode();
  ResetWorld();
  SavedScreenState screen{};
  ASSERT_EQ(Load(first, &screen), SaveReadOk);
  EXPECT_EQ(screen.animLast, Screen.animLast);
  EXPECT_EQ(screen.animState, Screen.animState);
  EXPECT_EQ(CompanyCount, 31);
  EXPECT_EQ(PersonCount, 150);
  EXPECT_EQ(Companies[30].money, 5000000030LL);
  EXPECT_EQ(Persons[149].stress, -149);
  EXPECT_EQ(BankParams.values[19], -19000);
  EXPECT_EQ(DDay, 12);
  EXPECT_EQ(Encode(), first);
}

TEST(SaveFormat, OnlyTheFirstSignatureByteCounts) {
  MakeWorld(3, 10);
  std::vector<uint8_t> bytes = Encode();
  bytes[1] = 'Q';
  bytes[2] = 0;
  ResetWorld();
  EXPECT_EQ(Load(bytes), SaveReadOk);
  EXPECT_EQ(CompanyCount, 3);
  bytes[0] = 'k';
  EXPECT_EQ(Load(bytes), SaveReadBadSignature);
}

TEST(SaveFormat, RecordsBeyondTheCountsKeepWhatTheyHeld) {
  MakeWorld(2, 5);
  const std::vector<uint8_t> bytes = Encode();
  MakeWorld(10, 40);
  Offers[0].reward = 77;
  Ranking[0].money = 88;
  PlayerCompany = 0;
  ASSERT_EQ(Load(bytes), SaveReadOk);
  EXPECT_EQ(CompanyCount, 2);
  EXPECT_EQ(PersonCount, 5);
  EXPECT_EQ(Companies[9].money, 5000000009LL);
  EXPECT_STREQ(Persons[39].name, "person 39");
  EXPECT_EQ(Offers[0].reward, 77);
  EXPECT_EQ(Ranking[0].money, 88);
}

// A world to compare with after a refused load.
struct WorldSnapshot {
  std::vector<uint8_t> bytes;
  int32_t jobReward;
  int16_t dDay;
  static WorldSnapshot Take() { return {Encode(), JobReward, DDay}; }
  bool operator==(const WorldSnapshot&) const = default;
};

TEST(SaveFormat, HostileFilesChangeNothing) {
  MakeWorld(4, 20);
  const std::vector<uint8_t> good = Encode();
  MakeWorld(6, 30);
  DDay = 99;
  const WorldSnapshot before = WorldSnapshot::Take();

  EXPECT_EQ(Load({}), SaveReadBadSignature);
  EXPECT_EQ(Load({'X', 'X', 'S'}), SaveReadBadSignature);
  // Cut anywhere short of the whole file.
  for (size_t size = 1; size < good.size(); size += size < 2100 ? 1 : 37) {
    if (size == SavePlainBytes(4, 20)) continue;  // the file without its trailer is whole
    const std::vector<uint8_t> cut(good.begin(), good.begin() + size);
    ASSERT_NE(Load(cut), SaveReadOk) << size;
  }
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_EQ(Load(longer), SaveReadBadLength);
  // More companies than the table holds, with a length to match.
  std::vector<uint8_t> tooMany(SavePlainBytes(101, 0), 0);
  tooMany[0] = 'K';
  tooMany[2048] = 101;
  EXPECT_EQ(Load(tooMany), SaveReadTooManyCompanies);
  // Noise that begins like a save.
  std::vector<uint8_t> noise(6000);
  uint32_t seed = 12345;
  for (uint8_t& byte : noise) byte = static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
  noise[0] = 'K';
  EXPECT_NE(Load(noise), SaveReadOk);
  EXPECT_TRUE(WorldSnapshot::Take() == before);
}

TEST(SaveFormat, TooManyPersonsForTheCountByte) {
  MakeWorld(3, 256);
  static SaveImage image;
  EXPECT_EQ(CaptureSave(Screen, &image), SaveTooManyPersons);
  MakeWorld(3, 255);
  EXPECT_EQ(CaptureSave(Screen, &image), SaveFits);
  CompanyCount = 101;
  EXPECT_EQ(CaptureSave(Screen, &image), SaveTooManyCompanies);
  // A negative count (a data file may give one) is saved as none.
  MakeWorld(3, 10);
  CompanyCount = -4;
  std::vector<uint8_t> bytes = Encode(false);
  EXPECT_EQ(bytes.size(), SavePlainBytes(0, 10));
}

TEST(SaveJobTrailer, AContractResumesAfterALoad) {
  MakeWorld(3, 10);
  JobReward = 5000;
  DDay = 12;
  JobType = 4;
  JobClient = 2;
  JobSpare = 6;
  const std::vector<uint8_t> bytes = Encode();
  const size_t plain = SavePlainBytes(3, 10);
  ASSERT_EQ(bytes.size(), plain + 15);
  EXPECT_EQ(std::memcmp(&bytes[plain], "KXJ", 3), 0);
  EXPECT_EQ(U32At(bytes, plain + 3), 5000u);
  EXPECT_EQ(bytes[plain + 13] | bytes[plain + 14] << 8, 12);
  JobReward = 0;
  DDay = 0;
  JobType = JobClient = JobSpare = 0;
  ASSERT_EQ(Load(bytes), SaveReadOk);
  EXPECT_EQ(JobReward, 5000);
  EXPECT_EQ(DDay, 12);
  EXPECT_EQ(JobType, 4);
  EXPECT_EQ(JobClient, 2);
  EXPECT_EQ(JobSpare, 6);
}

TEST(SaveJobTrailer, AFileWithoutItLoadsAsBefore) {
  MakeWorld(3, 10);
  const std::vector<uint8_t> plain = Encode(false);
  JobReward = 321;
  DDay = 7;
  DayCount = 1;
  ASSERT_EQ(Load(plain), SaveReadOk);
  EXPECT_EQ(DayCount, 45);
  EXPECT_EQ(JobReward, 321);
  EXPECT_EQ(DDay, 7);
}

TEST(SaveJobTrailer, ADamagedTrailerIsRefused) {
  MakeWorld(3, 10);
  const std::vector<uint8_t> good = Encode();
  MakeWorld(5, 12);
  JobReward = 1;
  const WorldSnapshot before = WorldSnapshot::Take();
  std::vector<uint8_t> wrongMark = good;
  wrongMark[SavePlainBytes(3, 10) + 2] = 'S';
  EXPECT_EQ(Load(wrongMark), SaveReadBadLength);
  std::vector<uint8_t> shortTrailer(good.begin(), good.end() - 1);
  EXPECT_EQ(Load(shortTrailer), SaveReadBadLength);
  std::vector<uint8_t> longTrailer = good;
  longTrailer.push_back(0);
  EXPECT_EQ(Load(longTrailer), SaveReadBadLength);
  EXPECT_TRUE(WorldSnapshot::Take() == before);
}

}  // namespace
