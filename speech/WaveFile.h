// RIFF/WAVE files with PCM samples: building them, and reading a header back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voz::speech {

struct PcmFormat {
  std::uint32_t sampleRate = 16000;
  std::uint16_t bitsPerSample = 16;
  std::uint16_t channels = 1;
  bool operator==(const PcmFormat&) const = default;
};

// A complete file: the 44-byte canonical header, then `samples`.
std::string MakePcmWave(const PcmFormat& format, std::string_view samples);

struct WaveInfo {
  PcmFormat format;
  std::uint32_t dataBytes = 0;
};

// The format and data size of a PCM WAV file; nothing when the bytes are no
// such file or the data chunk runs past the end. Chunks other than "fmt "
// and "data" are skipped.
std::optional<WaveInfo> ReadPcmWave(std::string_view bytes);

// Stand-in speech for engines without a voice: 16 kHz, 16-bit mono, 60 ms
// per character (at most ten minutes), a quiet 440 Hz tone for each
// character and silence for blanks.
inline constexpr PcmFormat kToneFormat{16000, 16, 1};
inline constexpr std::uint32_t kToneMillisecondsPerCharacter = 60;
std::string MakeToneWaveForText(std::string_view utf8);

}  // namespace voz::speech
