#include "speech/WaveFile.h"

#include <algorithm>
#include <cmath>

namespace voz::speech {

namespace {

void PutU16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

std::uint32_t GetU16(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t GetU32(std::string_view b, size_t at) { return GetU16(b, at) | (GetU16(b, at + 2) << 16); }

constexpr std::uint32_t kMaxToneMilliseconds = 10 * 60 * 1000;

}  // namespace

std::string MakePcmWave(const PcmFormat& format, std::string_view samples) {
  const std::uint32_t blockAlign = format.channels * ((format.bitsPerSample + 7u) / 8u);
  std::string out;
  out.reserve(44 + samples.size() + 1);
  out += "RIFF";
  const bool pad = samples.size() % 2 != 0;
  PutU32(out, static_cast<std::uint32_t>(36 + samples.size() + (pad ? 1 : 0)));
  out += "WAVEfmt ";
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, format.channels);
  PutU32(out, format.sampleRate);
  PutU32(out, format.sampleRate * blockAlign);
  PutU16(out, blockAlign);
  PutU16(out, format.bitsPerSample);
  out += "data";
  PutU32(out, static_cast<std::uint32_t>(samples.size()));
  out.append(samples);
  if (pad) out.push_back('\0');  // chunks are word-aligned
  return out;
}

std::optional<WaveInfo> ReadPcmWave(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<PcmFormat> format;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string_view id = b.substr(at, 4);
    const std::uint32_t size = GetU32(b, at + 4);
    const size_t body = at + 8;
    if (size > b.size() - body) return std::nullopt;
    if (id == "fmt ") {
      if (size < 16 || GetU16(b, body) != 1) return std::nullopt;
      PcmFormat f;
      f.channels = static_cast<std::uint16_t>(GetU16(b, body + 2));
      f.sampleRate = GetU32(b, body + 4);
      f.bitsPerSample = static_cast<std::uint16_t>(GetU16(b, body + 14));
      const std::uint32_t blockAlign = f.channels * ((f.bitsPerSample + 7u) / 8u);
      if (f.channels == 0 || f.sampleRate == 0 || f.bitsPerSample == 0 ||
          GetU16(b, body + 12) != blockAlign || GetU32(b, body + 8) != f.sampleRate * blockAlign) {
        return std::nullopt;
      }
      format = f;
    } else if (id == "data") {
      if (!format) return std::nullopt;
      return WaveInfo{*format, size};
    }
    at = body + size + (size % 2);
  }
  return std::nullopt;
}

std::string MakeToneWaveForText(std::string_view utf8) {
  const std::uint32_t samplesPerCharacter = kToneFormat.sampleRate * kToneMillisecondsPerCharacter / 1000;
  const std::uint32_t maxCharacters = kMaxToneMilliseconds / kToneMillisecondsPerCharacter;
  std::string samples;
  std::uint32_t characters = 0;
  std::uint32_t t = 0;
  for (size_t i = 0; i < utf8.size() && characters < maxCharacters; ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte & 0xC0) == 0x80) continue;  // continuation byte of the same character
    ++characters;
    const bool blank = byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
    for (std::uint32_t n = 0; n < samplesPerCharacter; ++n, ++t) {
      const double phase = 2.0 * 3.14159265358979323846 * 440.0 * t / kToneFormat.sampleRate;
      const auto value = blank ? 0 : static_cast<std::int16_t>(std::lround(1000.0 * std::sin(phase)));
      PutU16(samples, static_cast<std::uint16_t>(value));
    }
  }
  return MakePcmWave(kToneFormat, samples);
}

}  // namespace voz::speech
