// The message boxes and sounds of the rules.
#pragma once

#include <cstdint>

// The texts below are given in Korean UTF-8, as the source writes them, and
// shown in the current language.

// Shows MessageText with the caption "Notice" (in Korean) and an OK button.
void ShowRuleMessage();
// Formats a format with one %s, filled with a Johab name field of
// at most nameBytes bytes, into MessageText (never past its end), and shows
// it like ShowRuleMessage. The field itself is left in Johab.
void ShowNameMessage(const char* formatUtf8, const char* johabName, int nameBytes);
// Copies a fixed text (converted to Wansung) into MessageText and shows it.
void ShowTextMessage(const char* utf8);
// Formats a Wansung format with one %d into MessageText and shows it.
void ShowNumberMessage(const char* formatUtf8, int32_t value);
void PlayRuleSound(const char* path);
