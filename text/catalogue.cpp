// The current language and lookups in the compiled catalogues: a bisection
// over keys sorted by bytes, as msgfmt sorts them.
#include "text/catalogue.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

const CatalogueTable* Current = nullptr;  // null: Korean
long Fallbacks = 0;

constexpr char ContextEnd = '\x04';

// The order of a stored key against the key (context, utf8) would have,
// without building that key.
int CompareKey(const char* key, const char* context, const char* utf8) {
  std::string_view rest(key);
  if (context != nullptr) {
    const std::string_view wanted(context);
    const int order = rest.substr(0, wanted.size()).compare(wanted);
    if (order != 0) return order;
    rest.remove_prefix(std::min(rest.size(), wanted.size()));
    if (rest.empty()) return -1;
    if (rest.front() != ContextEnd) return static_cast<unsigned char>(rest.front()) < ContextEnd ? -1 : 1;
    rest.remove_prefix(1);
  }
  return rest.compare(utf8);
}

bool IsAscii(const char* text) {
  for (; *text != '\0'; ++text)
    if (static_cast<unsigned char>(*text) >= 0x80) return false;
  return true;
}

}  // namespace

const CatalogueTable* FindCatalogue(const char* code) {
  if (code == nullptr) return nullptr;
  for (int i = 0; i < CatalogueCount; ++i)
    if (std::strcmp(Catalogues[i]->language, code) == 0) return Catalogues[i];
  return nullptr;
}

const char* CatalogueText(const CatalogueTable& table, const char* context, const char* utf8) {
  size_t low = 0, high = table.count;
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    const int order = CompareKey(table.entries[middle].key, context, utf8);
    if (order == 0) return table.entries[middle].text;
    if (order < 0)
      low = middle + 1;
    else
      high = middle;
  }
  return nullptr;
}

bool SetLanguage(const char* code) {
  if (code != nullptr && std::strcmp(code, KoreanLanguage) == 0) {
    Current = nullptr;
    return true;
  }
  const CatalogueTable* table = FindCatalogue(code);
  if (table == nullptr) return false;
  Current = table;
  return true;
}

const char* CurrentLanguage() { return Current ? Current->language : KoreanLanguage; }

int LanguageCount() { return 1 + CatalogueCount; }

const char* LanguageCode(int index) {
  if (index == 0) return KoreanLanguage;
  return index > 0 && index <= CatalogueCount ? Catalogues[index - 1]->language : nullptr;
}

const char* LanguageOfLocale(const char* locale) {
  if (locale == nullptr) return nullptr;
  // "en_GB.UTF-8@euro" asks for en_GB; "en-US" (browsers, Windows) too.
  char name[16] = {};
  size_t n = 0;
  for (; locale[n] != '\0' && locale[n] != '.' && locale[n] != '@'; ++n) {
    if (n + 1 >= sizeof name) return nullptr;
    name[n] = locale[n] == '-' ? '_' : locale[n];
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < LanguageCount(); ++i)
      if (std::strcmp(LanguageCode(i), name) == 0) return LanguageCode(i);
    char* region = std::strchr(name, '_');
    if (region == nullptr) break;
    *region = '\0';
  }
  return nullptr;
}

const char* Tr(const char* utf8) { return TrIn(nullptr, utf8); }

const char* TrIn(const char* context, const char* utf8) {
  if (Current == nullptr || utf8 == nullptr || utf8[0] == '\0') return utf8;
  const char* text = CatalogueText(*Current, context, utf8);
  if (text != nullptr) return text;
  if (!IsAscii(utf8)) ++Fallbacks;
  return utf8;
}

long TranslationFallbacks() { return Fallbacks; }
