// SPDX-License-Identifier: GPL-2.0-or-later
#include "assets/pictures/translate_art.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/catalogue.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* PictureContext = "picture";

std::string Unescaped(const std::string& xml) {
  static const std::pair<const char*, char> Entities[] = {
      {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
  std::string out;
  for (size_t i = 0; i < xml.size();) {
    bool matched = false;
    for (const auto& [name, c] : Entities) {
      if (xml.compare(i, std::char_traits<char>::length(name), name) == 0) {
        out.push_back(c);
        i += std::char_traits<char>::length(name);
        matched = true;
        break;
      }
    }
    if (!matched) out.push_back(xml[i++]);
  }
  return out;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The key the catalogue has for a run: blanks collapsed, none at the ends.
std::string KeyOf(const std::string& run) {
  std::string key;
  for (char c : Unescaped(run)) {
    if (IsBlank(c)) {
      if (!key.empty() && key.back() != ' ') key.push_back(' ');
    } else {
      key.push_back(c);
    }
  }
  if (!key.empty() && key.back() == ' ') key.pop_back();
  return key;
}

std::string TranslatedRun(const std::string& run) {
  const std::string key = KeyOf(run);
  if (key.empty()) return run;
  const char* text = TrIn(PictureContext, key.c_str());
  if (key == text) return run;
  const size_t first = run.find_first_not_of(" \t\r\n");
  const size_t last = run.find_last_not_of(" \t\r\n");
  return run.substr(0, first) + Escaped(text) + run.substr(last + 1);
}

// The inside of one <text> element, its tags kept and its runs translated.
std::string TranslatedInside(const std::string& inside) {
  std::string out;
  size_t i = 0;
  while (i < inside.size()) {
    if (inside[i] == '<') {
      const size_t end = inside.find('>', i);
      const size_t stop = end == std::string::npos ? inside.size() : end + 1;
      out += inside.substr(i, stop - i);
      i = stop;
    } else {
      const size_t next = inside.find('<', i);
      const size_t stop = next == std::string::npos ? inside.size() : next;
      out += TranslatedRun(inside.substr(i, stop - i));
      i = stop;
    }
  }
  return out;
}

bool ReadText(const fs::path& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  *text = all.str();
  return true;
}

bool WriteIfChanged(const fs::path& path, const std::string& text, std::string* error) {
  std::string old;
  if (ReadText(path, &old) && old == text) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) return *error = "cannot write " + path.string(), false;
  return true;
}

}  // namespace

std::string TranslatedSvg(const std::string& svg) {
  std::string out;
  size_t i = 0;
  while (true) {
    const size_t open = svg.find("<text", i);
    if (open == std::string::npos) break;
    const size_t start = svg.find('>', open);
    const size_t close = start == std::string::npos ? std::string::npos : svg.find("</text>", start);
    if (close == std::string::npos) break;
    out += svg.substr(i, start + 1 - i);
    out += TranslatedInside(svg.substr(start + 1, close - start - 1));
    i = close;
  }
  return out + svg.substr(i);
}

bool TranslateArt(const std::string& artDir, const std::string& langDir, const std::string& outDir,
                  std::string* error) {
  std::error_code failed;
  fs::create_directories(outDir, failed);
  if (failed) return *error = "cannot make " + outDir, false;
  std::string latin, own;
  if (!ReadText(fs::path(langDir) / "latin.css", &latin))
    return *error = "cannot read " + langDir + "/latin.css", false;
  ReadText(fs::path(langDir) / (std::string(CurrentLanguage()) + ".css"), &own);  // optional
  std::string labels;
  if (!ReadText(fs::path(langDir) / "labels.css", &labels))
    return *error = "cannot read " + langDir + "/labels.css", false;
  if (!WriteIfChanged(fs::path(outDir) / "labels.css", labels, error)) return false;
  for (const fs::directory_entry& e : fs::directory_iterator(artDir, failed)) {
    if (!e.is_regular_file()) continue;
    const std::string name = e.path().filename().string();
    std::string text;
    if (!ReadText(e.path(), &text)) return *error = "cannot read " + e.path().string(), false;
    if (name == "_style.css") text += "\n" + latin + "\n" + own;
    if (e.path().extension() == ".svg") text = TranslatedSvg(text);
    if (!WriteIfChanged(fs::path(outDir) / name, text, error)) return false;
  }
  if (failed) return *error = "cannot read " + artDir, false;
  return true;
}
