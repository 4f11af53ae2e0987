#include "tests/e2e_voice/JpegInfo.h"

namespace voz::e2e {

namespace {

int Byte(std::string_view bytes, size_t at) { return static_cast<unsigned char>(bytes[at]); }
int Word(std::string_view bytes, size_t at) { return Byte(bytes, at) << 8 | Byte(bytes, at + 1); }

// SOF0 to SOF15 except DHT (C4), JPG (C8) and DAC (CC), which share the range.
bool IsFrameHeader(int marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length.
bool HasNoLength(int marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8); }

std::optional<JpegFrame> Fail(std::string* error, std::string why) {
  if (error) *error = std::move(why);
  return std::nullopt;
}

}  // namespace

std::optional<JpegFrame> ReadJpegFrame(std::string_view bytes, std::string* error) {
  if (bytes.size() < 4 || Byte(bytes, 0) != 0xFF || Byte(bytes, 1) != 0xD8) {
    return Fail(error, "no JPEG start-of-image marker (" + std::to_string(bytes.size()) + " bytes)");
  }
  size_t at = 2;
  while (at + 1 < bytes.size()) {
    if (Byte(bytes, at) != 0xFF) return Fail(error, "no marker at offset " + std::to_string(at));
    const int marker = Byte(bytes, at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return Fail(error, "image data before any frame header");
    if (HasNoLength(marker)) {
      at += 2;
      continue;
    }
    if (at + 4 > bytes.size()) break;
    const size_t length = static_cast<size_t>(Word(bytes, at + 2));
    if (length < 2 || at + 2 + length > bytes.size()) break;
    if (IsFrameHeader(marker)) {
      if (length < 8) return Fail(error, "short frame header");
      JpegFrame frame;
      frame.marker = marker;
      frame.height = Word(bytes, at + 5);
      frame.width = Word(bytes, at + 7);
      frame.components = Byte(bytes, at + 9);
      return frame;
    }
    at += 2 + length;
  }
  return Fail(error, "the file ends inside its markers");
}

}  // namespace voz::e2e
