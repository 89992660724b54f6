// A small world for the rules' tests: the player's company, rivals and
// persons added by name and money, on the headless backend so that boxes
// and sounds can be read back from its log.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "sim/sim.h"
#include "text/utf8.h"
#include "world/world.h"

inline void SetJohabName(char* field, size_t size, const char* utf8) {
  std::memset(field, 0, size);
  std::strncpy(field, JohabText(utf8), size - 1);
}

inline void StartSmallWorld(int64_t playerMoney = 1000) {
  HeadlessReset();
  ResetWorld();
  CompanyCount = 1;
  Companies[0].kind = KindPlayer;
  SetJohabName(Companies[0].name, sizeof Companies[0].name, "우리회사");
  Companies[0].money = playerMoney;
  Companies[0].bidOdds = 5;
  DayCount = 1;
}

inline int32_t AddRival(const char* utf8Name, int64_t money) {
  const int32_t i = CompanyCount++;
  Companies[i].kind = KindRival;
  SetJohabName(Companies[i].name, sizeof Companies[i].name, utf8Name);
  Companies[i].money = money;
  Companies[i].bidOdds = 3;
  return i;
}

// A person around the usual values; employed ones work for the player.
inline int32_t AddPerson(const char* utf8Name, bool employed, int16_t salary = 100, int16_t stress = 0) {
  const int32_t i = PersonCount++;
  Person& p = Persons[i];
  SetJohabName(p.name, sizeof p.name, utf8Name);
  p.employer = employed ? PlayerCompany : -1;
  p.employed = employed ? 1 : 0;
  p.salary = salary;
  for (int16_t& a : p.aptitude) a = 1000;
  p.morale = 1000;
  p.stress = stress;
  if (employed) Companies[PlayerCompany].staffCount += 1;
  return i;
}

// COUNT unemployed persons named 사람0, 사람1, ...
inline void AddPersons(int count) {
  for (int i = 0; i < count; ++i) AddPerson(("사람" + std::to_string(i)).c_str(), false);
}

// The first seed from which the generator's next draws satisfy `draws`.
inline uint32_t SeedWhere(const std::function<bool()>& draws) {
  for (uint32_t seed = 0;; ++seed) {
    GameSrand(seed);
    if (draws()) return seed;
  }
}

inline uint32_t StateAfterDraws(uint32_t seed, int draws) {
  GameSrand(seed);
  for (int i = 0; i < draws; ++i) GameRand();
  return GameRandomState();
}

// The log lines of one kind ("box ", "sound "), in order.
inline std::vector<std::string> LogLines(const std::string& prefix) {
  std::vector<std::string> lines;
  for (const std::string& line : HeadlessLogLines()) {
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  }
  return lines;
}

// Boxes and sounds together, in the order they came.
inline std::vector<std::string> BoxesAndSounds() {
  std::vector<std::string> lines;
  for (const std::string& line : HeadlessLogLines()) {
    if (line.rfind("box ", 0) == 0 || line.rfind("sound ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

inline Company& Player() { return Companies[PlayerCompany]; }
