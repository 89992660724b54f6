// SPDX-License-Identifier: GPL-2.0-or-later
// Line-by-line reading of the game's text data files, the way the C library
// reads a text-mode stream into an 80-byte buffer: at most 79 bytes a read,
// up to and including a line feed, so a longer line is split across reads.
// CR LF reads as LF and a Ctrl-Z ends the text, as in text mode. At the end
// of the file the buffer keeps its previous line, so a missing line repeats
// the one before it.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr int DataLineBytes = 80;

struct DataLineReader {
  std::FILE* file = nullptr;
  char line[DataLineBytes] = {};
  int32_t lineNumber = 0;  // reads that gave text
  bool ended = false;      // the end of the file (or a read error) was met
  bool failed = false;     // a read error
};

// False at the end of the file; the line is then unchanged.
bool ReadDataLine(DataLineReader* reader);
// Reads and discards count lines.
void SkipDataLines(DataLineReader* reader, int count);

// atoi-style numbers: leading white space, an optional sign, decimal digits;
// anything else ends the number. Out-of-range values saturate.
int64_t ParseInt64(const char* text);
int32_t ParseInt32(const char* text);
