// SPDX-License-Identifier: GPL-2.0-or-later
// Converted literals, made once and kept for the life of the program. The
// address of a literal finds its conversion at once; the text itself finds
// it when the same literal sits at another address (another source file).
// The game has one thread, so the caches need no lock.
#include <map>
#include <string>
#include <unordered_map>

#include "text/utf8.h"

namespace {

struct TextCache {
  std::unordered_map<const char*, const char*> byAddress;
  std::map<std::string, std::string> byText;  // nodes never move
};

const char* CachedText(TextCache* cache, const char* utf8, bool (*convert)(const std::string&, std::string*)) {
  if (utf8 == nullptr) return "";
  const auto known = cache->byAddress.find(utf8);
  if (known != cache->byAddress.end()) return known->second;
  auto [entry, added] = cache->byText.try_emplace(utf8);
  if (added) convert(entry->first, &entry->second);
  cache->byAddress.emplace(utf8, entry->second.c_str());
  return entry->second.c_str();
}

}  // namespace

const char* WansungText(const char* utf8) {
  static TextCache cache;
  return CachedText(&cache, utf8, Utf8ToWansung);
}

const char* JohabText(const char* utf8) {
  static TextCache cache;
  return CachedText(&cache, utf8, Utf8ToJohab);
}
