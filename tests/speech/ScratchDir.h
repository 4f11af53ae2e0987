// A fresh folder under the system's temporary folder, removed afterwards.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace voz::speech::testing {

class ScratchDir {
 public:
  ScratchDir() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() / ("voz-speech-" + std::to_string(ticks));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  // A UTF-8 path inside the folder.
  std::string File(const std::string& utf8Name) const {
    const auto u8 = (path_ / std::filesystem::path(std::u8string(utf8Name.begin(), utf8Name.end()))).u8string();
    return std::string(u8.begin(), u8.end());
  }
  static std::filesystem::path Native(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
  }
  static std::string Read(const std::string& utf8) {
    std::ifstream in(Native(utf8), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace voz::speech::testing
