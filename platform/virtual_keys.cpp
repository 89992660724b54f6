#include "platform/virtual_keys.h"

namespace {

constexpr int UsageA = 0x04, UsageZ = 0x1D, Usage1 = 0x1E, Usage0 = 0x27;
constexpr int UsageF1 = 0x3A, UsageF10 = 0x43, UsageF12 = 0x45, UsageF13 = 0x68, UsageF24 = 0x73;
constexpr int UsageKeypad1 = 0x59, UsageKeypad0 = 0x62;

struct NamedKey {
  int usage;
  const char* name;   // the browser's
  int character;      // what it types on a US layout, 0 for none
  int virtualKey;
};

// Every key but the letters, digits, function keys and keypad digits, which
// follow in runs. Alt is missing on purpose: with what it is pressed with it
// is a system key, which the game never sees.
const NamedKey NamedKeys[] = {
    {0x28, "Enter", '\r', 13},         {0x29, "Escape", 27, 27},         {0x2A, "Backspace", '\b', 8},
    {0x2B, "Tab", '\t', 9},            {0x2C, "Space", ' ', 32},         {0x2D, "Minus", '-', 189},
    {0x2E, "Equal", '=', 187},         {0x2F, "BracketLeft", '[', 219},  {0x30, "BracketRight", ']', 221},
    {0x31, "Backslash", '\\', 220},    {0x33, "Semicolon", ';', 186},    {0x34, "Quote", '\'', 222},
    {0x35, "Backquote", '`', 192},     {0x36, "Comma", ',', 188},        {0x37, "Period", '.', 190},
    {0x38, "Slash", '/', 191},         {0x39, "CapsLock", 0, 20},        {0x46, "PrintScreen", 0, 44},
    {0x47, "ScrollLock", 0, 145},      {0x48, "Pause", 0, 19},           {0x49, "Insert", 0, 45},
    {0x4A, "Home", 0, 36},             {0x4B, "PageUp", 0, 33},          {0x4C, "Delete", 127, 46},
    {0x4D, "End", 0, 35},              {0x4E, "PageDown", 0, 34},        {0x4F, "ArrowRight", 0, 39},
    {0x50, "ArrowLeft", 0, 37},        {0x51, "ArrowDown", 0, 40},       {0x52, "ArrowUp", 0, 38},
    {0x53, "NumLock", 0, 144},         {0x54, "NumpadDivide", 0, 111},   {0x55, "NumpadMultiply", 0, 106},
    {0x56, "NumpadSubtract", 0, 109},  {0x57, "NumpadAdd", 0, 107},      {0x58, "NumpadEnter", 0, 13},
    {0x63, "NumpadDecimal", 0, 110},   {0x65, "ContextMenu", 0, 93},     {0x90, "Lang1", 0, 0x15},
    {0x90, "HangulMode", 0, 0x15},     {0x91, "Lang2", 0, 0x19},         {0x91, "Hanja", 0, 0x19},
    {0xE0, "ControlLeft", 0, 17},      {0xE1, "ShiftLeft", 0, 16},       {0xE3, "MetaLeft", 0, 91},
    {0xE4, "ControlRight", 0, 17},     {0xE5, "ShiftRight", 0, 16},      {0xE7, "MetaRight", 0, 92},
};
constexpr int NamedKeyCount = int(sizeof NamedKeys / sizeof NamedKeys[0]);

// PREFIX and N, built by appending: "F" + std::to_string(n) trips a false
// -Wrestrict of GCC 12 at -O3.
std::string Numbered(const char* prefix, int n) {
  std::string name(prefix);
  name += std::to_string(n);
  return name;
}

// The keys that come in runs, by usage: name and virtual-key code.
std::string RunName(int usage) {
  if (usage >= UsageA && usage <= UsageZ) return std::string("Key") + char('A' + usage - UsageA);
  if (usage >= Usage1 && usage < Usage0) return std::string("Digit") + char('1' + usage - Usage1);
  if (usage == Usage0) return "Digit0";
  if (usage >= UsageF1 && usage <= UsageF12) return Numbered("F", 1 + usage - UsageF1);
  if (usage >= UsageF13 && usage <= UsageF24) return Numbered("F", 13 + usage - UsageF13);
  if (usage >= UsageKeypad1 && usage < UsageKeypad0) return std::string("Numpad") + char('1' + usage - UsageKeypad1);
  if (usage == UsageKeypad0) return "Numpad0";
  return std::string();
}

int RunVirtualKey(int usage) {
  if (usage >= UsageA && usage <= UsageZ) return 'A' + usage - UsageA;
  if (usage >= Usage1 && usage < Usage0) return '1' + usage - Usage1;
  if (usage == Usage0) return '0';
  // F10 is a system key to Windows, like Alt: the game never sees it.
  if (usage >= UsageF1 && usage <= UsageF12) return usage == UsageF10 ? 0 : 112 + usage - UsageF1;
  if (usage >= UsageF13 && usage <= UsageF24) return 124 + usage - UsageF13;
  if (usage >= UsageKeypad1 && usage < UsageKeypad0) return 97 + usage - UsageKeypad1;
  if (usage == UsageKeypad0) return 96;
  return 0;
}

// The usages that have a name: the runs first, then the named keys.
constexpr int RunUsages[][2] = {{UsageA, Usage0}, {UsageF1, UsageF12}, {UsageF13, UsageF24},
                                {UsageKeypad1, UsageKeypad0}};

}  // namespace

int VirtualKeyOfUsage(int usage) {
  if (const int run = RunVirtualKey(usage)) return run;
  for (const NamedKey& key : NamedKeys) {
    if (key.usage == usage) return key.virtualKey;
  }
  return 0;
}

int VirtualKeyOfCharacter(int character) {
  if (character >= 'a' && character <= 'z') return 'A' + character - 'a';
  if (character >= '0' && character <= '9') return character;
  if (character == 0) return 0;
  for (const NamedKey& key : NamedKeys) {
    if (key.character == character) return key.virtualKey;
  }
  return 0;
}

int UsageOfKeyName(const std::string& name) {
  if (name.empty()) return 0;
  for (const auto& run : RunUsages) {
    for (int usage = run[0]; usage <= run[1]; ++usage) {
      if (RunName(usage) == name) return usage;
    }
  }
  for (const NamedKey& key : NamedKeys) {
    if (name == key.name) return key.usage;
  }
  return 0;
}

int VirtualKeyOfKeyName(const std::string& name) { return VirtualKeyOfUsage(UsageOfKeyName(name)); }

std::string KeyNameAt(int index) {
  for (const auto& run : RunUsages) {
    const int length = run[1] - run[0] + 1;
    if (index < length) return index >= 0 ? RunName(run[0] + index) : std::string();
    index -= length;
  }
  return index < NamedKeyCount ? std::string(NamedKeys[index].name) : std::string();
}

bool IsLetterOrDigitUsage(int usage) { return usage >= UsageA && usage <= Usage0; }
