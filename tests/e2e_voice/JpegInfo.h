// The frame size of a JPEG file, read from its markers without decoding:
// an independent check of what the program's encoder wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voz::e2e {

struct JpegFrame {
  int width = 0;
  int height = 0;
  int components = 0;
  int marker = 0;  // 0xC0 baseline, 0xC2 progressive, ...
};

// The first start-of-frame segment of `bytes`; nullopt, with the reason in
// `error`, when the bytes do not begin with SOI or a segment runs past the
// end before a frame header is found.
std::optional<JpegFrame> ReadJpegFrame(std::string_view bytes, std::string* error);

}  // namespace voz::e2e
