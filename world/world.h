// SPDX-License-Identifier: GPL-2.0-or-later
// The world of a game: every company, every person, the bank's and the
// dinner's terms, the running job, the offers, the ranking, the calendar and
// the shared person list. All of it lives in fixed global tables that exist
// for the whole process and are zero at start; screens and rules read and
// write the fields directly. Texts are NUL-terminated Johab.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/data_files.h"
#include "world/notice_state.h"

constexpr int MaxCompanies = 100;
constexpr int MaxPersons = 1000;
constexpr int MaxParamSets = 10;
constexpr int ParamValues = 20;
constexpr int MaxOffers = 10;
constexpr int IndexListSize = 500;
constexpr int JobTypeCount = 6;

// Company kinds.
constexpr uint8_t KindRival = 1;
constexpr uint8_t KindPlayer = 2;
constexpr uint8_t KindBankrupt = 100;

// Person categories; any other value is shown as uncertain.
constexpr int8_t CategoryProgrammer = 0;
constexpr int8_t CategoryDesigner = 1;
constexpr int8_t CategorySales = 2;
constexpr int8_t CategoryManagement = 3;

struct Company {
  uint8_t kind;            // KindPlayer, KindRival or KindBankrupt
  char presidentName[50];  // the player's company only
  char name[53];           // rivals: at most 30 bytes; the player: at most 49
  int64_t money;
  int32_t loanAmount;  // 0: no loan
  int32_t loanMonths;  // months left; counts down while a loan runs
  int32_t reserveA;    // read from the data file, used by no rule
  int8_t bidOdds;      // a negotiation succeeds when rand() % bidOdds is 0; at least 1
  uint8_t reserveB;    // read from the data file, used by no rule
  int32_t staffCount;
  int32_t workTicks;   // 0: no job; else a job runs (the office's frame counter, 1..60)
  uint8_t isContract;  // 1: the job is a contract, 0: an in-house production
  int32_t progress;    // percent; done at 100 or more
  int32_t jobDays;     // days given for the job; at least 1 while a job runs
};

struct Person {
  int8_t category;
  int16_t employer;     // company index, -1 for none
  uint8_t employed;     // 1: works for employer; 0: free
  char name[51];        // at most 50 bytes
  int16_t salary;       // monthly; a free person's desired salary
  int16_t aptitude[5];  // work values around 1000; the fifth never changes
  int16_t morale;
  int16_t stress;
};

struct ParamSet {
  uint8_t id;  // equals its slot in ParamSets
  int32_t values[ParamValues];
};

struct ContractOffer {
  int32_t reward;
  int16_t jobType;  // 0..5
  int16_t client;   // index of the offering rival
  int16_t spare;    // never set
  int16_t days;
};

struct RankEntry {
  int32_t bankruptIndex;  // during a day: the rivals found bankrupt
  char name[52];
  int64_t money;
};

// The save file copies these records field by field at these places; the
// layout is the one every compiler of the game's platforms gives them.
static_assert(sizeof(Company) == 152 && offsetof(Company, money) == 104 && offsetof(Company, bidOdds) == 124 &&
              offsetof(Company, staffCount) == 128 && offsetof(Company, isContract) == 136 &&
              offsetof(Company, progress) == 140 && offsetof(Company, jobDays) == 144);
static_assert(sizeof(Person) == 72 && offsetof(Person, employer) == 2 && offsetof(Person, name) == 5 &&
              offsetof(Person, salary) == 56 && offsetof(Person, morale) == 68);
static_assert(sizeof(ParamSet) == 84 && offsetof(ParamSet, values) == 4);
static_assert(sizeof(ContractOffer) == 12 && sizeof(RankEntry) == 64);

// Companies: the player's company is record PlayerCompany (always 0), the
// rivals are 1..CompanyCount-1. At most 99 are in use.
extern Company Companies[MaxCompanies];
extern int32_t CompanyCount;
extern int16_t PlayerCompany;

// Persons: an index is a person's identity for the whole game. At most 999.
extern Person Persons[MaxPersons];
extern int32_t PersonCount;

// Parameter sets; two are used, at fixed slots.
extern ParamSet ParamSets[MaxParamSets];
// values[0]: the dinner's cost per employee.
extern ParamSet& DinnerParams;
// values[1], [2]: smallest and largest loan; [3], [4]: shortest and longest
// term in months; [7]: the months left at which the dunning letter comes;
// [8]: the months left at which the player goes to prison.
extern ParamSet& BankParams;

// The player's current job (its state fields are in the player's Company).
extern int32_t JobReward;
extern int16_t JobType;
extern int16_t JobClient;
extern int16_t JobSpare;  // copied from the offer's spare, never used
extern int16_t DDay;      // days left; 0 or less: the deadline has passed

extern ContractOffer Offers[MaxOffers];
extern int32_t OfferCount;

extern RankEntry Ranking[MaxCompanies];
extern int32_t BankruptCount;

extern int32_t DayCount;     // 1 on the first day; a month is 30 days
extern int32_t TickCompany;  // the next rival whose money moves in a day pass

// The person list of whichever screen is active (job seekers, leavers,
// staff); none of it means anything from one screen to the next.
extern int32_t IndexList[IndexListSize];
extern int32_t SeekerCount;
extern int32_t ListCount;
extern int32_t ListCursor;

extern int32_t SaveSpare;
extern uint8_t IntroFrames;  // pictures of the intro, from intro/intro.dat
extern uint8_t IntroFrame;   // the next intro picture to load

// The names of the job types, Johab, indexed by jobType; an index outside
// 0..5 gives an empty text.
struct JobTypeNameTable {
  const char* operator[](int jobType) const;
};
extern const JobTypeNameTable JobTypeNames;

// Set by the name dialog once it has stored the typed (Wansung) names into
// Companies[0].presidentName and .name; LoadGameData converts them to Johab
// and clears it, so that a second start after a failed load does not
// convert them twice. A dialog that stores names must set it.
extern bool PlayerNamesAreWansung;

// Everything of this header back to the state of a fresh program (zero).
// NoticeCode, MessageText and the status icons are left alone.
void ResetWorld();
// Right before LoadGameData: a new game started inside a running one must
// not inherit the player's loan or job, so those and the job globals are
// cleared. Everything else keeps what it held until the data files
// overwrite it, as in the original game (the lists, the offers, the ranking,
// the records beyond the new counts).
void ClearWorldForNewGame();
