#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/files.h"

namespace fs = std::filesystem;

namespace {
std::string Scratch;
}

void FuzzEnterScratch() {
  if (!Scratch.empty()) return;
  char pattern[] = "/tmp/kxs-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr) FuzzFail("no scratch folder");
  Scratch = pattern;
  for (const char* dir : {"data", "face", "intro", "cur"}) fs::create_directory(FuzzPath(dir));
  PlatformSetFileRoots(Scratch.c_str(), nullptr);
  // The folder goes when the run ends normally; a crashing run leaves it for
  // a look.
  std::atexit([] {
    std::error_code error;
    fs::remove_all(Scratch, error);
  });
}

std::string FuzzPath(const char* path) { return Scratch + "/" + path; }

void FuzzCopyDataFiles() {
  const char* tree = std::getenv("KXS_FUZZ_TREE");
  if (tree == nullptr) return;
  std::error_code error;
  for (const char* file : {"data/corp.dat", "data/main.dat", "data/bank.dat", "face/man.dat"}) {
    fs::copy_file(fs::path(tree) / file, FuzzPath(file), fs::copy_options::overwrite_existing, error);
  }
}

void FuzzWriteFile(const char* path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(FuzzPath(path).c_str(), "wb");
  if (file == nullptr) FuzzFail("cannot write a scratch file");
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

void FuzzFail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}
