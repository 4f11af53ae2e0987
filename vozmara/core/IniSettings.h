// "参数.ini" in the program directory, through the shared INI reader.
#pragma once

#include <string>

#include "platform/ini/IniFiles.h"
#include "vozmara/core/Platform.h"

namespace voz::core {

inline constexpr const char* kSettingsFileName = "\\参数.ini";

class IniSettings final : public Settings {
 public:
  IniSettings(ini::IniFiles& files, std::string path) : files_(files), path_(std::move(path)) {}
  std::string Read(const std::string& section, const std::string& key) override {
    return files_.Read(path_, section, key);
  }
  bool Write(const std::string& section, const std::string& key, const std::string& value) override {
    return files_.Write(path_, section, key, value);
  }
  const std::string& Path() const { return path_; }

 private:
  ini::IniFiles& files_;
  std::string path_;
};

}  // namespace voz::core
