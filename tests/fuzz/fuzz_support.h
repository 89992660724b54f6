// What the fuzz targets share: a scratch folder of their own to work in, with
// the default data tree's text files copied in when KXS_FUZZ_TREE names one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Makes the scratch folder (data/, face/, intro/, cur/) once and enters it.
void FuzzEnterScratch();
// Copies data/*.dat and face/man.dat of $KXS_FUZZ_TREE into the scratch folder.
void FuzzCopyDataFiles();
// Writes bytes to path (relative to the scratch folder), replacing it.
void FuzzWriteFile(const char* path, const uint8_t* data, size_t size);
// Stops the run as a crash would, so that libFuzzer keeps the input.
[[noreturn]] void FuzzFail(const char* what);
