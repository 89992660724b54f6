// A data tree at the limits of the tables, for long runs of the game: the
// built tree copied into a scratch folder with its four world files
// replaced. corp.dat names one company more than the table takes and
// man.dat one person more, so the loader's cut is part of every run.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/unit/temp_folder.h"
#include "text/utf8.h"
#include "world/data_files.h"
#include "world/world.h"

struct StressTreeShape {
  int32_t companyEntries = 100;  // entry 0 is the player's
  int32_t personEntries = 1000;
  const char* playerMoney = "50000";  // the line as written
  // Loan terms: the dunning letter at 1 month left, prison at 0.
  int32_t dunningAt = 1;
  int32_t prisonAt = 0;
};

// Rivals 1 and 2 stand at the two ends of the cash field (their lines
// overflow it and the loader saturates); a band of poor rivals goes
// bankrupt early; the rest are rich enough to offer contracts.
inline std::string StressRivalMoney(int32_t i) {
  if (i == 1) return "99999999999999999999";
  if (i == 2) return "-99999999999999999999";
  if (i % 7 == 3) return std::to_string(20 + (i * 37) % 400);
  if (i % 11 == 5) return "0";
  return std::to_string(150000 + static_cast<int64_t>(i) * 977311);
}

// Johab names from a few syllables; some rivals' names run past the 30
// bytes the loader keeps, some persons' names are exactly the 50 bytes a
// record holds.
inline std::string StressName(int32_t i, int syllables) {
  static const char8_t* const parts[] = {u8"김", u8"이", u8"박", u8"최", u8"정", u8"강", u8"조", u8"윤",
                                         u8"장", u8"임", u8"한", u8"오", u8"서", u8"신", u8"권", u8"황"};
  std::string name;
  uint32_t v = static_cast<uint32_t>(i) * 2654435761u;
  for (int k = 0; k < syllables; ++k) {
    name += JohabText(parts[v % 16]);
    v = v / 16 + 7u * static_cast<uint32_t>(k + 1);
  }
  return name;
}

inline std::string StressCorpFile(const StressTreeShape& shape) {
  std::string text;
  for (int k = 0; k < 6; ++k) text += "; companies\n";
  text += std::to_string(shape.companyEntries) + "\n";
  for (int32_t i = 0; i < shape.companyEntries; ++i) {
    text += '[';  // appended: "[" + std::to_string(i) trips GCC 12's -Wrestrict at -O3
    text += std::to_string(i) + "]\n";
    const int syllables = i % 13 == 0 ? 20 : 2 + i % 5;  // 40 bytes: cut to 30
    text += StressName(i, syllables) + "\n";
    text += (i == 0 ? std::string(shape.playerMoney) : StressRivalMoney(i)) + "\n";
    text += std::to_string(i * 3) + "\n";
    text += std::to_string(i == 0 ? 3 : 2 + i % 6) + "\n";
    text += std::to_string(i % 256) + "\n";
  }
  return text;
}

inline std::string StressManFile(const StressTreeShape& shape) {
  std::string text = std::to_string(shape.personEntries) + "\n";
  for (int32_t i = 0; i < shape.personEntries; ++i) {
    text += '[';  // appended: "[" + std::to_string(i) trips GCC 12's -Wrestrict at -O3
    text += std::to_string(i) + "]\n";
    text += StressName(i, i % 17 == 0 ? 25 : 2 + i % 3) + "\n";
    text += std::to_string(i % 5) + "\n";  // 4: an uncertain category
    text += "; salary, aptitudes, morale\n";
    text += std::to_string(100 + (i * 53) % 500) + "\n";
    for (int a = 0; a < 5; ++a) text += std::to_string(900 + (i * 31 + a * 17) % 250) + "\n";
    text += std::to_string(950 + (i * 29) % 150) + "\n";
  }
  return text;
}

inline std::string StressBankFile(const StressTreeShape& shape) {
  const int32_t values[10] = {0, 1000, 50000, 3, 12, 0, 0, shape.dunningAt, shape.prisonAt, 0};
  std::string text = "; bank\n10\n";
  for (int i = 0; i < 10; ++i) text += "; value " + std::to_string(i) + "\n" + std::to_string(values[i]) + "\n";
  return text;
}

// The built tree in a scratch folder, made the working directory for the
// object's lifetime.
class StressTree {
 public:
  explicit StressTree(const StressTreeShape& shape) : old_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kxs-stress-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) std::abort();
    root_ = name.data();
    std::filesystem::copy(KXS_GAME_TREE, root_, std::filesystem::copy_options::recursive);
    std::filesystem::remove(root_ / "cur" / "kxs.sav");
    Write(CorpFilePath, StressCorpFile(shape));
    Write(MainFilePath, "; dinner\n; per head\n30\n");
    Write(BankFilePath, StressBankFile(shape));
    Write(ManFilePath, StressManFile(shape));
    std::filesystem::current_path(root_);
  }
  ~StressTree() {
    std::filesystem::current_path(old_);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  StressTree(const StressTree&) = delete;
  StressTree& operator=(const StressTree&) = delete;

 private:
  void Write(const char* relative, const std::string& text) {
    const std::string path = (root_ / relative).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }

  std::filesystem::path old_;
  std::filesystem::path root_;
};

// A new game over the working directory's tree, as the title screen starts
// one: the typed names (Wansung) first, then the data files.
inline int StartStressGame() {
  ResetWorld();
  Company& player = Companies[0];
  std::snprintf(player.presidentName, sizeof player.presidentName, "%s", WansungText(u8"박하루"));
  std::snprintf(player.name, sizeof player.name, "%s", WansungText(u8"하루소프트"));
  PlayerNamesAreWansung = true;
  return LoadGameData();
}
