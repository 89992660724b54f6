// SPDX-License-Identifier: GPL-2.0-or-later
#include "world/save_format.h"

#include <cstring>

namespace {

constexpr uint8_t Signature[3] = {'K', 'X', 'S'};
constexpr uint8_t JobSignature[3] = {'K', 'X', 'J'};

struct ByteWriter {
  std::vector<uint8_t>* bytes;

  void Raw(const void* data, size_t size) {
    const uint8_t* from = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), from, from + size);
  }
  void Zeros(size_t count) { bytes->insert(bytes->end(), count, 0); }
  void U8(uint8_t value) { bytes->push_back(value); }
  void U16(uint16_t value) {
    for (int i = 0; i < 2; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  void U32(uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  void U64(uint64_t value) {
    for (int i = 0; i < 8; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  void I16(int16_t value) { U16(static_cast<uint16_t>(value)); }
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void I64(int64_t value) { U64(static_cast<uint64_t>(value)); }
};

// Reads from a buffer whose length has been checked beforehand.
struct ByteReader {
  const uint8_t* at;

  void Raw(void* data, size_t size) {
    std::memcpy(data, at, size);
    at += size;
  }
  void Skip(size_t count) { at += count; }
  uint8_t U8() { return *at++; }
  uint64_t Unsigned(int size) {
    uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<uint64_t>(at[i]) << (8 * i);
    at += size;
    return value;
  }
  uint32_t U32() { return static_cast<uint32_t>(Unsigned(4)); }
  int16_t I16() { return static_cast<int16_t>(Unsigned(2)); }
  int32_t I32() { return static_cast<int32_t>(Unsigned(4)); }
  int64_t I64() { return static_cast<int64_t>(Unsigned(8)); }
};

void WriteCompany(ByteWriter* out, const Company& company) {
  out->U8(company.kind);
  out->Raw(company.presidentName, sizeof company.presidentName);
  out->Raw(company.name, sizeof company.name);
  out->I64(company.money);
  out->I32(company.loanAmount);
  out->I32(company.loanMonths);
  out->I32(company.reserveA);
  out->U8(static_cast<uint8_t>(company.bidOdds));
  out->U8(company.reserveB);
  out->Zeros(2);
  out->I32(company.staffCount);
  out->I32(company.workTicks);
  out->U8(company.isContract);
  out->Zeros(3);
  out->I32(company.progress);
  out->I32(company.jobDays);
  out->Zeros(4);
}

void ReadCompany(ByteReader* in, Company* company) {
  company->kind = in->U8();
  in->Raw(company->presidentName, sizeof company->presidentName);
  in->Raw(company->name, sizeof company->name);
  company->money = in->I64();
  company->loanAmount = in->I32();
  company->loanMonths = in->I32();
  company->reserveA = in->I32();
  company->bidOdds = static_cast<int8_t>(in->U8());
  company->reserveB = in->U8();
  in->Skip(2);
  company->staffCount = in->I32();
  company->workTicks = in->I32();
  company->isContract = in->U8();
  in->Skip(3);
  company->progress = in->I32();
  company->jobDays = in->I32();
  in->Skip(4);
}

void WriteParams(ByteWriter* out, const ParamSet& params) {
  out->U8(params.id);
  out->Zeros(3);
  for (int32_t value : params.values) out->I32(value);
}

void ReadParams(ByteReader* in, ParamSet* params) {
  params->id = in->U8();
  in->Skip(3);
  for (int32_t& value : params->values) value = in->I32();
}

void WritePerson(ByteWriter* out, const Person& person) {
  out->U8(static_cast<uint8_t>(person.category));
  out->Zeros(1);
  out->I16(person.employer);
  out->U8(person.employed);
  out->Raw(person.name, sizeof person.name);
  out->I16(person.salary);
  for (int16_t aptitude : person.aptitude) out->I16(aptitude);
  out->I16(person.morale);
  out->I16(person.stress);
}

void ReadPerson(ByteReader* in, Person* person) {
  person->category = static_cast<int8_t>(in->U8());
  in->Skip(1);
  person->employer = in->I16();
  person->employed = in->U8();
  in->Raw(person->name, sizeof person->name);
  person->salary = in->I16();
  for (int16_t& aptitude : person->aptitude) aptitude = in->I16();
  person->morale = in->I16();
  person->stress = in->I16();
}

}  // namespace

SaveCapture CaptureSave(const SavedScreenState& screen, SaveImage* image) {
  const int32_t companies = CompanyCount < 0 ? 0 : CompanyCount;
  const int32_t persons = PersonCount < 0 ? 0 : PersonCount;
  if (companies > SaveMaxCompanies) return SaveTooManyCompanies;
  if (persons > SaveMaxPersons) return SaveTooManyPersons;
  std::memset(image, 0, sizeof *image);
  std::memcpy(image->signature, Signature, sizeof Signature);
  image->dayCount = DayCount;
  image->introFrames = IntroFrames;
  image->introFrame = IntroFrame;
  image->screen = screen;
  image->tickCompany = TickCompany;
  image->saveSpare = SaveSpare;
  image->listCount = ListCount;
  image->listCursor = ListCursor;
  image->seekerCount = SeekerCount;
  std::memcpy(image->indexList, IndexList, sizeof IndexList);
  image->companyCount = companies;
  std::memcpy(image->companies, Companies, sizeof(Company) * companies);
  image->dinnerParams = DinnerParams;
  image->bankParams = BankParams;
  image->personCount = persons;
  std::memcpy(image->persons, Persons, sizeof(Person) * persons);
  image->hasJob = true;
  image->jobReward = JobReward;
  image->jobType = JobType;
  image->jobClient = JobClient;
  image->jobSpare = JobSpare;
  image->dDay = DDay;
  return SaveFits;
}

void EncodeSave(const SaveImage& image, std::vector<uint8_t>* bytes) {
  bytes->clear();
  bytes->reserve(SavePlainBytes(image.companyCount, image.personCount) + SaveTrailerBytes);
  ByteWriter out{bytes};
  out.Raw(image.signature, sizeof image.signature);
  out.I32(image.dayCount);
  out.U8(image.introFrames);
  out.U8(image.introFrame);
  out.I32(image.screen.animDelay);
  out.U32(image.screen.animLast);
  out.U32(image.screen.animNow);
  out.U32(image.screen.animElapsed);
  out.U8(image.screen.screenEntry);
  out.I32(image.tickCompany);
  out.I32(image.saveSpare);
  out.I16(image.screen.animState);
  out.I32(image.listCount);
  out.I32(image.listCursor);
  out.I32(image.seekerCount);
  for (int32_t index : image.indexList) out.I32(index);
  out.U8(static_cast<uint8_t>(image.companyCount));
  for (int32_t i = 0; i < image.companyCount; ++i) WriteCompany(&out, image.companies[i]);
  WriteParams(&out, image.dinnerParams);
  WriteParams(&out, image.bankParams);
  out.U8(static_cast<uint8_t>(image.personCount));
  for (int32_t i = 0; i < image.personCount; ++i) WritePerson(&out, image.persons[i]);
  if (image.hasJob) {
    out.Raw(JobSignature, sizeof JobSignature);
    out.I32(image.jobReward);
    out.I16(image.jobType);
    out.I16(image.jobClient);
    out.I16(image.jobSpare);
    out.I16(image.dDay);
  }
}

namespace {

// Checks the lengths the counts give; on success tells the counts and
// whether the job trailer follows.
SaveReadResult CheckSaveLayout(const uint8_t* data, size_t size, size_t* companies, size_t* persons, bool* hasJob) {
  if (size < 1 || data[0] != Signature[0]) return SaveReadBadSignature;
  if (size < SaveHeaderBytes) return SaveReadBadLength;
  *companies = data[SaveHeaderBytes - 1];
  if (*companies > static_cast<size_t>(SaveMaxCompanies)) return SaveReadTooManyCompanies;
  const size_t personCountAt = SavePlainBytes(*companies, 0) - 1;
  if (size <= personCountAt) return SaveReadBadLength;
  *persons = data[personCountAt];
  const size_t plain = SavePlainBytes(*companies, *persons);
  if (size == plain) {
    *hasJob = false;
    return SaveReadOk;
  }
  if (size == plain + SaveTrailerBytes && std::memcmp(data + plain, JobSignature, sizeof JobSignature) == 0) {
    *hasJob = true;
    return SaveReadOk;
  }
  return SaveReadBadLength;
}

}  // namespace

SaveReadResult DecodeSave(const uint8_t* data, size_t size, SaveImage* image) {
  size_t companies = 0;
  size_t persons = 0;
  bool hasJob = false;
  const SaveReadResult layout = CheckSaveLayout(data, size, &companies, &persons, &hasJob);
  if (layout != SaveReadOk) return layout;
  std::memset(image, 0, sizeof *image);
  ByteReader in{data};
  in.Raw(image->signature, sizeof image->signature);
  image->dayCount = in.I32();
  image->introFrames = in.U8();
  image->introFrame = in.U8();
  image->screen.animDelay = in.I32();
  image->screen.animLast = in.U32();
  image->screen.animNow = in.U32();
  image->screen.animElapsed = in.U32();
  image->screen.screenEntry = in.U8();
  image->tickCompany = in.I32();
  image->saveSpare = in.I32();
  image->screen.animState = in.I16();
  image->listCount = in.I32();
  image->listCursor = in.I32();
  image->seekerCount = in.I32();
  for (int32_t& index : image->indexList) index = in.I32();
  image->companyCount = in.U8();
  for (size_t i = 0; i < companies; ++i) ReadCompany(&in, &image->companies[i]);
  ReadParams(&in, &image->dinnerParams);
  ReadParams(&in, &image->bankParams);
  image->personCount = in.U8();
  for (size_t i = 0; i < persons; ++i) ReadPerson(&in, &image->persons[i]);
  image->hasJob = hasJob;
  if (hasJob) {
    in.Skip(sizeof JobSignature);
    image->jobReward = in.I32();
    image->jobType = in.I16();
    image->jobClient = in.I16();
    image->jobSpare = in.I16();
    image->dDay = in.I16();
  }
  return SaveReadOk;
}

void ApplySave(const SaveImage& image) {
  DayCount = image.dayCount;
  IntroFrames = image.introFrames;
  IntroFrame = image.introFrame;
  TickCompany = image.tickCompany;
  SaveSpare = image.saveSpare;
  ListCount = image.listCount;
  ListCursor = image.listCursor;
  SeekerCount = image.seekerCount;
  std::memcpy(IndexList, image.indexList, sizeof IndexList);
  CompanyCount = image.companyCount;
  std::memcpy(Companies, image.companies, sizeof(Company) * image.companyCount);
  DinnerParams = image.dinnerParams;
  BankParams = image.bankParams;
  PersonCount = image.personCount;
  std::memcpy(Persons, image.persons, sizeof(Person) * image.personCount);
  if (image.hasJob) {
    JobReward = image.jobReward;
    JobType = image.jobType;
    JobClient = image.jobClient;
    JobSpare = image.jobSpare;
    DDay = image.dDay;
  }
}
