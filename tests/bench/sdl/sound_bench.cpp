// The SDL backend's sound service on one WAV: writes a silent 22050 Hz
// 16-bit mono WAV of the given size when the file is not there, plays it a
// few times and prints how long each play kept the game from its frame.
// Built by tests/bench/sdl_sound.sh against each tree it compares.
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/platform.h"

namespace {

void PutLittle(std::FILE* file, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) std::fputc(int((value >> (8 * i)) & 0xFF), file);
}

bool WriteSilentWav(const char* path, uint32_t dataBytes) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  std::fputs("RIFF", file);
  PutLittle(file, 36 + dataBytes, 4);
  std::fputs("WAVEfmt ", file);
  PutLittle(file, 16, 4);
  PutLittle(file, 1, 2);  // PCM
  PutLittle(file, 1, 2);  // mono
  PutLittle(file, 22050, 4);
  PutLittle(file, 44100, 4);
  PutLittle(file, 2, 2);
  PutLittle(file, 16, 2);
  std::fputs("data", file);
  PutLittle(file, dataBytes, 4);
  const std::vector<uint8_t> block(1 << 20, 0);
  for (uint32_t left = dataBytes; left > 0;) {
    const uint32_t chunk = left < block.size() ? left : uint32_t(block.size());
    std::fwrite(block.data(), 1, chunk, file);
    left -= chunk;
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: sound_bench WAV MEGABYTES PLAYS\n");
    return 2;
  }
  const char* path = argv[1];
  if (std::FILE* existing = std::fopen(path, "rb")) {
    std::fclose(existing);
  } else if (!WriteSilentWav(path, uint32_t(std::atoi(argv[2])) << 20)) {
    std::fprintf(stderr, "cannot write %s\n", path);
    return 1;
  }
  const int plays = std::atoi(argv[3]);
  double worst = 0, total = 0;
  for (int i = 0; i < plays; ++i) {
    const auto start = std::chrono::steady_clock::now();
    PlatformPlaySound(path, false);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    total += ms;
    if (ms > worst) worst = ms;
  }
  PlatformPlaySound(nullptr, false);
  std::printf("plays %d  mean %.1f ms  worst %.1f ms\n", plays, total / plays, worst);
  SDL_Quit();
  return 0;
}
