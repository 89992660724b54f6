// SPDX-License-Identifier: GPL-2.0-or-later
// Every text of every language fits where the game shows it: the screens'
// lines (drawn with the game's fonts, in the text areas of pictures.txt and
// the columns of their lists), the dialogs' texts (in their controls'
// rectangles, in the backends' dialog font) and the boxes' texts (in
// Wansung). Korean is checked too, which keeps the table of places honest.
// The words painted into the pictures are checked by kxs-make-pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "dialogs/loan.h"
#include "dialogs/name_entry.h"
#include "dialogs/production_plan.h"
#include "gfx/image.h"
#include "platform/box_rules.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "screens/job_agency.h"
#include "tests/unit/fit_measure.h"
#include "tests/unit/pictures_test_support.h"
#include "text/catalogue.h"
#include "text/hangul.h"
#include "text/utf8.h"
#include "world/data_files.h"
#include "world/world.h"

namespace {

// A line the game draws on a screen: its text or format (the Korean of the
// source), the text area of pictures.txt it is drawn in, and the values of
// its conversions. A value in braces stands for the widest of a list of
// the language: {company} and {person} of its world, {trade} of the job
// agency's trades, {job} of the kinds of work.
struct ScreenLine {
  const char* text;
  const char* picture;
  const char* area;
  std::vector<std::string> values;
};

// The player's typed names: as long as fits on the office's status line in
// Korean.
const std::string TypedName = "0123456789abcdef";

const ScreenLine ScreenLines[] = {
    {"수주정보가 없습니다", "data/info.kxg", "no offers", {}},
    {"업체명                             수주내용                  수주비  계약일수", "data/info.kxg", "header", {}},
    {"%-15.*s %-25s %10d %8d",
     "data/info.kxg",
     "offers: client, work, fee, days",
     {"{company}", "{job}", "99999", "184"}},
    {"현재 구직자가 한명도 없습니다", "data/man001.kxg", "no seekers", {}},
    {"이름            분류           희망월급", "data/man001.kxg", "header", {}},
    {"%-10.*s %-15s %7d", "data/man001.kxg", "seekers: name, kind, salary", {"{person}", "{trade}", "2000"}},
    {"< %s > 사장 : %s 사원 : %d", "data/mo001.kxg", "status line 1", {TypedName, TypedName, "99"}},
    {"%-15s     %-4d     %3d일 %2u달 대출기한 : %d달",
     "data/mo001.kxg",
     "status line 2",
     {"2147483647", "50000", "999", "33", "12"}},
    {"%-15s     %-4d     %3d, %2u달", "data/mo001.kxg", "status line 2", {"2147483647", "0", "999", "33"}},
    {"D-day : %d Percent : %d", "data/mo001.kxg", "job line", {"184", "100"}},
    {"프로젝트종류    ", "data/self.kxg", "header", {}},
    {"{job}", "data/self.kxg", "six project kinds", {}},
    {"순위   회사명                         자산", "data/bill001.kxg", "header", {}},
    {"[%2d] %20s %s", "data/bill001.kxg", "twenty places", {"20", "{company}", "2147483647"}},
    {"{person}", "data/care.kxg", "employee's name", {}},
};

// A list's entries and the column of its row format they fill.
struct Column {
  const char* list;
  const char* format;
  int conversion;
};
const Column Columns[] = {
    {"{company}", "%-15.*s %-25s %10d %8d", 0},
    {"{job}", "%-15.*s %-25s %10d %8d", 1},
    {"{person}", "%-10.*s %-15s %7d", 0},
    {"{trade}", "%-10.*s %-15s %7d", 1},
};
// The ranking's names are right-aligned in 20 bytes.
constexpr int RankingNameBytes = 20;

// Texts a dialog procedure writes into a control at run time, with the
// values they are given.
struct DialogText {
  const DialogTemplate* dialog;
  int control;
  const char* format;
  std::vector<std::string> values;
};
const DialogText DialogTexts[] = {
    {&LoanTemplate, LoanAmountRangeText, "대출액 최소 %d - 최대 %d", {"1000", "50000"}},
    {&LoanTemplate, LoanMonthsRangeText, "대출기간(달) 최소 %d - 최대 %d", {"3", "12"}},
    {&LoanTemplate, LoanCurrentText, "현재 당신의 대출액은 %d입니다", {"50000"}},
};
const DialogTemplate* const Dialogs[] = {&NameEntryTemplate, &LoanTemplate, &RepayTemplate, &ProductionPlanTemplate};

constexpr const char* DialogFontFile = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf";
// The measure of the dialog font misses SDL_ttf's kerning: it errs by up to
// two pixels either way, so a text fits with that much to spare.
constexpr int MeasureSlack = 2;

std::string Utf8(const char* text) { return text ? text : ""; }

// Hangul syllables and jamo: what no other language's screen may show.
bool HasHangul(const std::string& utf8) {
  for (const char32_t c : fit::CodePoints(utf8))
    if ((c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x3131 && c <= 0x318E)) return true;
  return false;
}
bool IsKorean() { return std::string(CurrentLanguage()) == KoreanLanguage; }

std::string JohabOf(const std::string& utf8) {
  std::string johab;
  Utf8ToJohab(utf8, &johab);
  return johab;
}

// The world, lists and fonts of one language, as the game has them.
struct Language {
  std::vector<uint8_t> engFont;
  std::vector<std::string> companies, persons, trades, jobs;  // UTF-8

  void Load() {
    PlatformSetFileRoots(KXS_GAME_TREE, nullptr);
    PlatformSetDataOverlay(std::string(CurrentLanguage()) == KoreanLanguage ? "" : CurrentLanguage());
    ReadWholeFile(PlatformFilePath("data/eng.fnt").c_str(), 1 << 20, &engFont);
    ResetWorld();
    ASSERT_EQ(LoadGameData(), 1) << CurrentLanguage();
    for (int i = 1; i < CompanyCount; ++i)
      companies.push_back(
          JohabToUtf8(std::string(Companies[i].name, NameLength(Companies[i].name, sizeof Companies[i].name))));
    for (int i = 0; i < PersonCount; ++i)
      persons.push_back(JohabToUtf8(std::string(Persons[i].name, NameLength(Persons[i].name, sizeof Persons[i].name))));
    for (int8_t category : {CategoryProgrammer, CategoryDesigner, CategorySales, CategoryManagement, int8_t(9)})
      trades.push_back(JohabToUtf8(CategoryName(category)));  // in the language already
    for (int job = 0; job < JobTypeCount; ++job) jobs.push_back(JohabToUtf8(JobTypeNames[job]));
  }

  const std::vector<std::string>* List(const std::string& name) const {
    if (name == "{company}") return &companies;
    if (name == "{person}") return &persons;
    if (name == "{trade}") return &trades;
    if (name == "{job}") return &jobs;
    return nullptr;
  }

  // A value of a line: the widest of a list, or the value itself.
  std::string Value(const std::string& value) const {
    const std::vector<std::string>* list = List(value);
    if (!list) return value;
    std::string widest;
    for (const std::string& s : *list)
      if (JohabOf(s).size() > JohabOf(widest).size()) widest = s;
    return widest;
  }
};

struct FitTest : ::testing::Test {
  void TearDown() override {
    SetLanguage(KoreanLanguage);
    PlatformSetDataOverlay(nullptr);
    PlatformSetFileRoots(nullptr, nullptr);
    ResetWorld();
  }
  static const TextArea* Area(const char* picture, const char* label) {
    const PictureEntry* p = FindPicture(Table(), picture);
    if (!p) return nullptr;
    for (const TextArea& t : p->texts)
      if (t.label == label) return &t;
    return nullptr;
  }
};

// Runs check in every language, with the language's world loaded; a text
// of the check that the language's catalogue lacks (shown in Korean) fails.
template <typename Check>
void InEveryLanguage(Check check) {
  for (int l = 0; l < LanguageCount(); ++l) {
    ASSERT_TRUE(SetLanguage(LanguageCode(l)));
    SCOPED_TRACE(LanguageCode(l));
    const long fallbacks = TranslationFallbacks();
    Language language;
    language.Load();
    check(language);
    EXPECT_EQ(TranslationFallbacks(), fallbacks) << "texts without a translation";
  }
}

// The line as the game formats it: the language's text, its values, in
// Johab, back in UTF-8 to be measured.
std::string LineOf(const ScreenLine& line, const Language& language) {
  const std::string text = line.text[0] == '{' ? language.Value(line.text) : Tr(line.text);
  std::vector<std::string> values;
  for (const std::string& v : line.values) values.push_back(JohabOf(language.Value(v)));
  return JohabToUtf8(fit::Formatted(JohabOf(text), values));
}

}  // namespace

TEST_F(FitTest, EveryScreenLineFitsItsTextAreaInEveryLanguage) {
  InEveryLanguage([](const Language& language) {
    ASSERT_EQ(language.engFont.size(), 4096u);
    for (const ScreenLine& line : ScreenLines) {
      const TextArea* area = Area(line.picture, line.area);
      ASSERT_NE(area, nullptr) << line.picture << " " << line.area;
      const std::string text = LineOf(line, language);
      EXPECT_FALSE(!IsKorean() && HasHangul(text)) << "\"" << text << "\" is left in Korean";
      std::string bad;
      const int width = fit::GameTextPixels(text, language.engFont, &bad);
      EXPECT_GE(width, 0) << "\"" << text << "\" has " << bad << ", which the game's fonts cannot draw";
      const int right = area->rect.x1 + width - 1 + (area->shadow >= 0 ? 2 : 0);
      EXPECT_LE(right, area->rect.x2) << "\"" << text << "\" runs " << right - area->rect.x2 << " pixels past "
                                      << line.picture << " '" << line.area << "'";
    }
  });
}

TEST_F(FitTest, EveryListEntryFitsItsColumnInEveryLanguage) {
  InEveryLanguage([](const Language& language) {
    for (const Column& column : Columns) {
      const int width = fit::ColumnWidth(Tr(column.format), column.conversion);
      for (const std::string& entry : *language.List(column.list))
        EXPECT_LE(JohabOf(entry).size(), static_cast<size_t>(width))
            << "\"" << entry << "\" is wider than its column of \"" << Tr(column.format) << "\"";
    }
    for (const std::string& name : language.companies)
      EXPECT_LE(JohabOf(name).size(), static_cast<size_t>(RankingNameBytes)) << "\"" << name << "\" in the ranking";
  });
}

// A dialog's font and sizes as the backends draw it: its base height less
// two, 11 to 16 pixels; rectangles in dialog units.
TEST_F(FitTest, EveryDialogTextFitsItsControlInEveryLanguage) {
  fit::TrueTypeWidths font;
  if (!font.Load(DialogFontFile)) GTEST_SKIP() << DialogFontFile << " is missing (Debian package fonts-nanum)";
  for (int l = 0; l < LanguageCount(); ++l) {
    ASSERT_TRUE(SetLanguage(LanguageCode(l)));
    SCOPED_TRACE(LanguageCode(l));
    const long fallbacks = TranslationFallbacks();
    for (const DialogTemplate* dialog : Dialogs) {
      const int size = std::clamp(dialog->baseUnitY - 2, 11, 16);
      // The dialog as the game runs it, in the language.
      const DialogTemplate* local = DialogInLanguage(dialog);
      for (int c = 0; c < local->controlCount; ++c) {
        const DialogControl& control = local->controls[c];
        if (control.kind == DialogEdit) continue;
        std::string text = WansungToUtf8(Utf8(control.text));
        for (const DialogText& written : DialogTexts) {
          if (written.dialog != dialog || written.control != control.id) continue;
          std::vector<std::string> values = written.values;
          text = fit::Formatted(Tr(written.format), values);
        }
        EXPECT_FALSE(!IsKorean() && HasHangul(text))
            << "\"" << text << "\" in dialog " << dialog->id << " is left in Korean";
        std::string wansung, bad;
        EXPECT_TRUE(Utf8ToWansung(text, &wansung)) << "\"" << text << "\" has characters Wansung cannot hold";
        const int width = font.Pixels(text, size, &bad);
        EXPECT_GE(width, 0) << "\"" << text << "\" has " << bad << ", which the dialog font lacks";
        const int room = DialogUnitsToPixelsX(dialog, control.width) - ((control.flags & DialogBorder) ? 4 : 0);
        EXPECT_LE(width + MeasureSlack, room) << "\"" << text << "\" in dialog " << dialog->id << " is "
                                              << width + MeasureSlack - room << " pixels too wide for its control";
      }
    }
    EXPECT_EQ(TranslationFallbacks(), fallbacks) << "texts without a translation";
  }
}

// A box's buttons are 75 pixels wide on the desktop (platform/sdl/boxes.cpp)
// and take their labels in the box's font size through the lookup the game
// sets at start-up.
constexpr int BoxButtonPixels = 75;

TEST_F(FitTest, EveryBoxButtonLabelFitsItsButtonInEveryLanguage) {
  fit::TrueTypeWidths font;
  if (!font.Load(DialogFontFile)) GTEST_SKIP() << DialogFontFile << " is missing (Debian package fonts-nanum)";
  SetBoxLabelLookup([](const char* korean) { return Tr(korean); });
  for (int l = 0; l < LanguageCount(); ++l) {
    ASSERT_TRUE(SetLanguage(LanguageCode(l)));
    SCOPED_TRACE(LanguageCode(l));
    const long fallbacks = TranslationFallbacks();
    for (const BoxStyle style : {BoxStyle{false, false}, BoxStyle{true, false}})
      for (int i = 0; i < BoxButtonCount(style); ++i) {
        const std::string label = BoxButtonLabel(style, i);
        EXPECT_FALSE(!IsKorean() && HasHangul(label)) << "\"" << label << "\" is left in Korean";
        std::string bad;
        const int width = font.Pixels(label, BoxFontPixels, &bad);
        EXPECT_GE(width, 0) << "\"" << label << "\" has " << bad << ", which the box font lacks";
        EXPECT_LE(width + MeasureSlack, BoxButtonPixels - 8) << "\"" << label << "\" is too wide for its button";
      }
    EXPECT_EQ(TranslationFallbacks(), fallbacks) << "labels without a translation";
  }
  SetBoxLabelLookup(nullptr);
}

// Boxes wrap their lines; what must hold is that Wansung has every character.
TEST_F(FitTest, EveryTranslationOfTheCodeIsWansung) {
  for (int c = 0; c < CatalogueCount; ++c) {
    const CatalogueTable& table = *Catalogues[c];
    for (size_t i = 0; i < table.count; ++i) {
      std::string wansung;
      EXPECT_TRUE(Utf8ToWansung(table.entries[i].text, &wansung))
          << table.language << ": \"" << table.entries[i].text << "\" has characters Wansung cannot hold";
    }
  }
}

// Any text may be a box's: wrapped to the box's width in its font, none
// reaches the most lines a box shows, where the rest would be cut.
TEST_F(FitTest, EveryTranslationWrapsWithinABox) {
  fit::TrueTypeWidths font;
  if (!font.Load(DialogFontFile)) GTEST_SKIP() << DialogFontFile << " is missing (Debian package fonts-nanum)";
  const BoxTextWidth width = [](const char* utf8, void* context) {
    std::string bad;
    const int pixels = static_cast<const fit::TrueTypeWidths*>(context)->Pixels(utf8, BoxFontPixels, &bad);
    return pixels < 0 ? 0 : pixels + MeasureSlack;
  };
  for (int c = 0; c < CatalogueCount; ++c) {
    const CatalogueTable& table = *Catalogues[c];
    for (size_t i = 0; i < table.count; ++i) {
      const char* text = table.entries[i].text;
      EXPECT_LT(BoxLinesUtf8(text, MaxBoxLineWidth, width, &font).size(), size_t(MaxBoxLines))
          << table.language << ": \"" << text << "\" is too long for a box";
    }
  }
}
