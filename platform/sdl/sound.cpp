// sndPlaySound's service: one WAV at a time, played asynchronously by SDL's
// audio thread; a new sound replaces the one playing; a loop repeats without
// a gap. Without an audio device the game stays silent.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/sdl/sdl_internal.h"

using namespace sdl_backend;

static SDL_AudioDeviceID Device;
static bool DeviceFailed;
static SDL_AudioSpec DeviceSpec;

// Owned by the audio thread while the device runs; swapped under its lock.
static uint8_t* Sound;
static uint32_t SoundLength;
static uint32_t SoundPosition;
static bool SoundLoops;

static void FillAudio(void*, Uint8* stream, int length) {
  while (length > 0) {
    if (Sound && SoundPosition >= SoundLength && SoundLoops) SoundPosition = 0;
    if (!Sound || SoundPosition >= SoundLength) {
      std::memset(stream, DeviceSpec.silence, size_t(length));
      return;
    }
    uint32_t chunk = SoundLength - SoundPosition;
    if (chunk > uint32_t(length)) chunk = uint32_t(length);
    std::memcpy(stream, Sound + SoundPosition, chunk);
    SoundPosition += chunk;
    stream += chunk;
    length -= int(chunk);
  }
}

static bool DeviceUp() {
  if (Device) return true;
  if (DeviceFailed) return false;
  DeviceFailed = true;  // tried once; a machine without sound is not asked again
  if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec wanted;
  SDL_zero(wanted);
  wanted.freq = 22050;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = FillAudio;
  Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &DeviceSpec,
                               SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (!Device) return false;
  DeviceFailed = false;
  SDL_PauseAudioDevice(Device, 0);
  return true;
}

// True when the open file is no larger than a sound can be; the file is
// left at its start.
static bool WithinSoundLimit(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  return size >= 0 && size <= PlatformSoundMaxBytes && std::fseek(file, 0, SEEK_SET) == 0;
}

// The file in the device's format, in memory from malloc; nullptr when the
// file is missing, unreadable, empty or too large.
static uint8_t* LoadConverted(const char* path, uint32_t* length) {
  SDL_AudioSpec wavFormat;
  Uint8* data = nullptr;
  Uint32 dataLength = 0;
  std::FILE* file = PlatformOpenFile(PlatformFilePath(path).c_str(), "rb");
  if (file != nullptr && !WithinSoundLimit(file)) {
    std::fclose(file);
    return nullptr;
  }
  SDL_RWops* stream = file ? SDL_RWFromFP(file, SDL_TRUE) : nullptr;
  if (stream == nullptr) {
    if (file) std::fclose(file);
    return nullptr;
  }
  if (!SDL_LoadWAV_RW(stream, 1, &wavFormat, &data, &dataLength)) return nullptr;
  SDL_AudioCVT cvt;
  const int built = SDL_BuildAudioCVT(&cvt, wavFormat.format, wavFormat.channels, wavFormat.freq, DeviceSpec.format,
                                      DeviceSpec.channels, DeviceSpec.freq);
  uint8_t* result = nullptr;
  uint32_t resultLength = 0;
  if (built >= 0 && dataLength > 0 && dataLength <= 0x7FFFFFFF / 16) {
    cvt.len = int(dataLength);
    cvt.buf = static_cast<Uint8*>(std::malloc(size_t(dataLength) * size_t(cvt.len_mult > 0 ? cvt.len_mult : 1)));
    if (cvt.buf) {
      std::memcpy(cvt.buf, data, dataLength);
      if (built == 0 || SDL_ConvertAudio(&cvt) == 0) {
        result = cvt.buf;
        resultLength = built == 0 ? dataLength : uint32_t(cvt.len_cvt);
      } else {
        std::free(cvt.buf);
      }
    }
  }
  SDL_FreeWAV(data);
  // Whole frames only, or a loop would drift across channels.
  const uint32_t frame = uint32_t(SDL_AUDIO_BITSIZE(DeviceSpec.format) / 8) * DeviceSpec.channels;
  if (frame > 0) resultLength -= resultLength % frame;
  if (result && resultLength == 0) {
    std::free(result);
    result = nullptr;
  }
  *length = resultLength;
  return result;
}

void PlatformPlaySound(const char* path, bool loop) {
  if (!DeviceUp()) return;
  uint32_t length = 0;
  uint8_t* next = path ? LoadConverted(path, &length) : nullptr;
  SDL_LockAudioDevice(Device);
  uint8_t* previous = Sound;
  Sound = next;
  SoundLength = length;
  SoundPosition = 0;
  SoundLoops = loop;
  SDL_UnlockAudioDevice(Device);
  std::free(previous);
}
