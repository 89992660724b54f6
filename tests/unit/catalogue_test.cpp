// The compiled catalogues and the language choice. Whether each catalogue
// translates every text of po/kxs.pot is the test catalogue.LANG.complete.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "text/catalogue.h"

namespace {

// Every test leaves the game in Korean, as it starts.
struct CatalogueTest : ::testing::Test {
  void TearDown() override { ASSERT_TRUE(SetLanguage(KoreanLanguage)); }
};

bool HasHangul(std::string_view utf8) {
  // U+AC00..U+D7A3 and the jamo U+3131..U+318E: lead bytes EA..ED and E3 84..86.
  for (size_t i = 0; i + 2 < utf8.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(utf8[i]), b1 = static_cast<unsigned char>(utf8[i + 1]);
    if ((b0 >= 0xEA && b0 <= 0xED) || (b0 == 0xE3 && b1 >= 0x84 && b1 <= 0x86)) return true;
  }
  return false;
}

}  // namespace

TEST_F(CatalogueTest, KoreanIsTheDefaultAndReturnsTheSameText) {
  EXPECT_STREQ(CurrentLanguage(), "ko");
  const char* text = reinterpret_cast<const char*>(u8"알림");
  EXPECT_EQ(Tr(text), text);
  EXPECT_EQ(TrIn("picture", text), text);
  EXPECT_EQ(LanguageCode(0), std::string("ko"));
  EXPECT_EQ(LanguageCount(), 1 + CatalogueCount);
}

TEST_F(CatalogueTest, AnUnknownLanguageChangesNothing) {
  ASSERT_GT(CatalogueCount, 0);
  ASSERT_TRUE(SetLanguage(Catalogues[0]->language));
  EXPECT_FALSE(SetLanguage("xx"));
  EXPECT_FALSE(SetLanguage(nullptr));
  EXPECT_FALSE(SetLanguage(""));
  EXPECT_STREQ(CurrentLanguage(), Catalogues[0]->language);
}

TEST_F(CatalogueTest, EnglishTranslatesByContextAndFallsBackToTheKorean) {
  ASSERT_TRUE(SetLanguage("en"));
  const long fallbacks = TranslationFallbacks();
  EXPECT_STREQ(Tr(u8"알림"), "Notice");
  EXPECT_STREQ(TrIn("picture", u8"돌아가기"), "Back");
  EXPECT_EQ(TranslationFallbacks(), fallbacks);
  // The same Korean out of its context, and a text no catalogue has: the
  // Korean itself, never a key with its context; each is counted.
  const char* picture = reinterpret_cast<const char*>(u8"돌아가기");
  EXPECT_EQ(Tr(picture), picture);
  const char* unknown = reinterpret_cast<const char*>(u8"없는 말");
  EXPECT_EQ(Tr(unknown), unknown);
  EXPECT_EQ(TrIn("nowhere", unknown), unknown);
  EXPECT_EQ(TranslationFallbacks(), fallbacks + 3);
  // Plain ASCII needs no translation; nothing, and Korean, is no fallback.
  EXPECT_STREQ(Tr("^_^"), "^_^");
  EXPECT_EQ(Tr(static_cast<const char*>(nullptr)), nullptr);
  EXPECT_STREQ(Tr(""), "");
  ASSERT_TRUE(SetLanguage(KoreanLanguage));
  EXPECT_EQ(Tr(unknown), unknown);
  EXPECT_EQ(TranslationFallbacks(), fallbacks + 3);
}

// The lookup bisects: the table must be in the byte order of its keys, and
// every key must be found again through its context and text.
TEST_F(CatalogueTest, EveryCatalogueIsSortedAndFindsEachOfItsEntries) {
  for (int c = 0; c < CatalogueCount; ++c) {
    const CatalogueTable& table = *Catalogues[c];
    SCOPED_TRACE(table.language);
    EXPECT_GT(table.count, 0u);
    for (size_t i = 0; i < table.count; ++i) {
      const std::string key = table.entries[i].key;
      if (i > 0) {
        EXPECT_LT(std::string_view(table.entries[i - 1].key), std::string_view(key)) << key;
      }
      const size_t end = key.find('\x04');
      const std::string context = end == std::string::npos ? "" : key.substr(0, end);
      const std::string text = end == std::string::npos ? key : key.substr(end + 1);
      EXPECT_EQ(CatalogueText(table, end == std::string::npos ? nullptr : context.c_str(), text.c_str()),
                table.entries[i].text)
          << key;
      EXPECT_FALSE(HasHangul(table.entries[i].text)) << key << " -> " << table.entries[i].text;
    }
  }
}

TEST_F(CatalogueTest, ALocaleNameFindsItsLanguage) {
  EXPECT_STREQ(LanguageOfLocale("en_GB.UTF-8"), "en");
  EXPECT_STREQ(LanguageOfLocale("en-US"), "en");
  EXPECT_STREQ(LanguageOfLocale("en"), "en");
  EXPECT_STREQ(LanguageOfLocale("ko_KR.UTF-8"), "ko");
  EXPECT_STREQ(LanguageOfLocale("en_US@euro"), "en");
  EXPECT_EQ(LanguageOfLocale("C"), nullptr);
  EXPECT_EQ(LanguageOfLocale("POSIX"), nullptr);
  EXPECT_EQ(LanguageOfLocale(""), nullptr);
  EXPECT_EQ(LanguageOfLocale(nullptr), nullptr);
  EXPECT_EQ(LanguageOfLocale("a_very_long_locale_name_that_is_no_language"), nullptr);
}
