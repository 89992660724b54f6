// What the fuzz targets share: a scratch folder of their own to work in, with
// the default data tree's text files copied in when KXS_FUZZ_TREE names one.
// The working directory stays where libFuzzer was started, so that corpus
// folders and seed folders given as relative paths keep working.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Makes the scratch folder (data/, face/, intro/, cur/) once and makes it the
// root of the game's files.
void FuzzEnterScratch();
// A path relative to the scratch folder, for opening it directly.
std::string FuzzPath(const char* path);
// Copies data/*.dat and face/man.dat of $KXS_FUZZ_TREE into the scratch folder.
void FuzzCopyDataFiles();
// Writes bytes to path (relative to the scratch folder), replacing it.
void FuzzWriteFile(const char* path, const uint8_t* data, size_t size);
// Stops the run as a crash would, so that libFuzzer keeps the input.
[[noreturn]] void FuzzFail(const char* what);
