// SPDX-License-Identifier: GPL-2.0-or-later
// The byte layout of the save file, apart from any file: the world as a save
// image, the image as bytes, and back. All integers are little-endian;
// records are written field by field with their padding bytes as zeros.
//
//   0     "KXS"            3 bytes (only the first is checked on reading)
//   3     DayCount         int32
//   7     IntroFrames, IntroFrame   uint8 each
//   9     AnimDelay int32, AnimLast, AnimNow, AnimElapsed uint32
//   25    ScreenEntry      uint8
//   26    TickCompany, SaveSpare    int32 each
//   34    AnimState        int16
//   36    ListCount, ListCursor, SeekerCount   int32 each
//   48    IndexList        500 x int32
//   2048  N                uint8, then N companies of 152 bytes
//         DinnerParams, BankParams  84 bytes each
//         P                uint8, then P persons of 72 bytes
//         "KXJ", JobReward int32, JobType, JobClient, JobSpare, DDay int16
//                          (the job trailer, 15 bytes; older files lack it)
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/world.h"

constexpr size_t SaveHeaderBytes = 2049;  // up to and including N
constexpr size_t SaveCompanyBytes = 152;
constexpr size_t SaveParamBytes = 84;
constexpr size_t SavePersonBytes = 72;
constexpr size_t SaveTrailerBytes = 15;
// The counts are single bytes.
constexpr int SaveMaxCompanies = MaxCompanies;
constexpr int SaveMaxPersons = 255;

// The screen framework's variables that travel in the save file.
struct SavedScreenState {
  int32_t animDelay;
  uint32_t animLast;
  uint32_t animNow;
  uint32_t animElapsed;
  uint8_t screenEntry;
  int16_t animState;
};

// Everything a save file holds.
struct SaveImage {
  uint8_t signature[3];
  int32_t dayCount;
  uint8_t introFrames;
  uint8_t introFrame;
  SavedScreenState screen;
  int32_t tickCompany;
  int32_t saveSpare;
  int32_t listCount;
  int32_t listCursor;
  int32_t seekerCount;
  int32_t indexList[IndexListSize];
  int32_t companyCount;
  Company companies[SaveMaxCompanies];
  ParamSet dinnerParams;
  ParamSet bankParams;
  int32_t personCount;
  Person persons[SaveMaxPersons];
  bool hasJob;  // the job trailer
  int32_t jobReward;
  int16_t jobType;
  int16_t jobClient;
  int16_t jobSpare;
  int16_t dDay;
};

// The size of a file without the job trailer.
constexpr size_t SavePlainBytes(size_t companies, size_t persons) {
  return SaveHeaderBytes + SaveCompanyBytes * companies + 2 * SaveParamBytes + 1 + SavePersonBytes * persons;
}
// The largest file this game reads.
constexpr size_t SaveMaxFileBytes = SavePlainBytes(SaveMaxCompanies, SaveMaxPersons) + SaveTrailerBytes;

enum SaveCapture {
  SaveFits = 0,
  SaveTooManyCompanies = 1,  // more than the table holds
  SaveTooManyPersons = 2,    // more than the count byte holds
};

// The world's globals (and screen) into image, with the job trailer. A
// negative count is saved as none.
SaveCapture CaptureSave(const SavedScreenState& screen, SaveImage* image);
void EncodeSave(const SaveImage& image, std::vector<uint8_t>* bytes);

enum SaveReadResult {
  SaveReadOk = 0,
  SaveReadBadSignature = 1,      // the first byte is not 'K'
  SaveReadBadLength = 2,         // shorter or longer than its counts require
  SaveReadTooManyCompanies = 3,  // more companies than the table holds
};

// Checks the whole of data and fills image only when it is a save file;
// otherwise image is left as it was.
SaveReadResult DecodeSave(const uint8_t* data, size_t size, SaveImage* image);
// The image's world into the globals: exactly the blocks of the file.
// Records beyond the counts keep what they held, and so do the job globals
// when the image has no trailer. The screen state is the caller's.
void ApplySave(const SaveImage& image);
