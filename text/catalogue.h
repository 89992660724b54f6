// The language the player reads, and the game's texts in it. The game is
// written in Korean; every other language is a catalogue (po/LANG.po) that
// the build compiles into the program as a sorted table, so nothing is read
// at run time and the desktop, the browser and Windows work alike.
//
// A text is looked up by its Korean, exactly as the source writes it, in
// UTF-8; the answer is UTF-8 as well, to be converted by JohabText or
// WansungText like the Korean. A text the catalogue lacks stays Korean: the
// tests count those, the player never sees a key.
#pragma once

#include <cstddef>

// Korean, the game as written: every lookup returns its own argument.
inline constexpr const char* KoreanLanguage = "ko";

// The language of every lookup from now on. False, and no change, for a
// code without a catalogue; "ko" always works. Set once at start-up, before
// the first text is converted (JohabText and WansungText keep what they made).
bool SetLanguage(const char* code);
const char* CurrentLanguage();

// The languages the program knows: Korean first, then each catalogue.
int LanguageCount();
const char* LanguageCode(int index);

// The known language a locale name asks for ("en_GB.UTF-8", "en-US", "ko",
// "pt_BR"): the whole language and region, else the language alone; null
// when the program has neither (C, POSIX, an unknown language).
const char* LanguageOfLocale(const char* locale);

// The text in the current language, or utf8 itself when it has no
// translation (and always in Korean). The context tells apart the same
// Korean in different places ("picture", "company", "person", ...), as the
// catalogue's msgctxt does.
const char* Tr(const char* utf8);
const char* TrIn(const char* context, const char* utf8);
// How many lookups in a language other than Korean have found no
// translation of a text that is not plain ASCII, and so showed it in
// Korean. A complete catalogue keeps this at zero through a whole game.
long TranslationFallbacks();
inline const char* Tr(const char8_t* utf8) { return Tr(reinterpret_cast<const char*>(utf8)); }
inline const char* TrIn(const char* context, const char8_t* utf8) {
  return TrIn(context, reinterpret_cast<const char*>(utf8));
}

// Marks a text for the catalogue where it cannot be looked up yet (a static
// table is built before the language is chosen); the user of the table then
// calls Tr on it.
constexpr const char8_t* TrMark(const char8_t* utf8) { return utf8; }
constexpr const char* TrMark(const char* utf8) { return utf8; }

// One compiled catalogue (made from po/LANG.po by po/mo_to_cpp.cmake): its
// entries sorted by key in byte order, a key being the msgid or, with a
// context, context "\x04" msgid.
struct CatalogueEntry {
  const char* key;
  const char* text;
};
struct CatalogueTable {
  const char* language;
  const CatalogueEntry* entries;
  size_t count;
};

// Every compiled catalogue; written by the build (po/CMakeLists.txt).
extern const CatalogueTable* const Catalogues[];
extern const int CatalogueCount;

// The catalogue of a language, or null (Korean has none).
const CatalogueTable* FindCatalogue(const char* code);
// A lookup in one catalogue; null when it has no such entry.
const char* CatalogueText(const CatalogueTable& table, const char* context, const char* utf8);
