#include "world/world.h"

#include <cstring>

#include "text/catalogue.h"
#include "text/utf8.h"

Company Companies[MaxCompanies];
int32_t CompanyCount;
int16_t PlayerCompany;

Person Persons[MaxPersons];
int32_t PersonCount;

ParamSet ParamSets[MaxParamSets];
ParamSet& DinnerParams = ParamSets[0];
ParamSet& BankParams = ParamSets[1];

int32_t JobReward;
int16_t JobType;
int16_t JobClient;
int16_t JobSpare;
int16_t DDay;

ContractOffer Offers[MaxOffers];
int32_t OfferCount;

RankEntry Ranking[MaxCompanies];
int32_t BankruptCount;

int32_t DayCount;
int32_t TickCompany;

int32_t IndexList[IndexListSize];
int32_t SeekerCount;
int32_t ListCount;
int32_t ListCursor;

int32_t SaveSpare;
uint8_t IntroFrames;
uint8_t IntroFrame;

bool PlayerNamesAreWansung;

const JobTypeNameTable JobTypeNames;

const char* JobTypeNameTable::operator[](int jobType) const {
  // Converted on first use, in the language chosen by then: the
  // conversion's caches are ready too.
  switch (jobType) {
    case 0: return JohabText(Tr("사무용 소프트웨어 개발"));
    case 1: return JohabText(Tr("교육용 소프트웨어 개발"));
    case 2: return JohabText(Tr("인터넷 관련 소트웨어 개발"));
    case 3: return JohabText(Tr("게임 개발"));
    case 4: return JohabText(Tr("기타 소프트웨어 개발"));
    case 5: return JohabText(Tr("그래픽 관련"));
    default: return "";
  }
}

void ResetWorld() {
  std::memset(Companies, 0, sizeof Companies);
  std::memset(Persons, 0, sizeof Persons);
  std::memset(ParamSets, 0, sizeof ParamSets);
  std::memset(Offers, 0, sizeof Offers);
  std::memset(Ranking, 0, sizeof Ranking);
  std::memset(IndexList, 0, sizeof IndexList);
  CompanyCount = 0;
  PlayerCompany = 0;
  PersonCount = 0;
  JobReward = 0;
  JobType = 0;
  JobClient = 0;
  JobSpare = 0;
  DDay = 0;
  OfferCount = 0;
  BankruptCount = 0;
  DayCount = 0;
  TickCompany = 0;
  SeekerCount = 0;
  ListCount = 0;
  ListCursor = 0;
  SaveSpare = 0;
  IntroFrames = 0;
  IntroFrame = 0;
  PlayerNamesAreWansung = false;
}

void ClearWorldForNewGame() {
  Company& player = Companies[PlayerCompany];
  player.loanAmount = 0;
  player.loanMonths = 0;
  player.workTicks = 0;
  player.isContract = 0;
  player.progress = 0;
  player.jobDays = 0;
  JobReward = 0;
  JobType = 0;
  JobClient = 0;
  JobSpare = 0;
  DDay = 0;
}
