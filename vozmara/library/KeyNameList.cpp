#include "vozmara/library/KeyNameList.h"

#include <array>

#include "vozmara/library/CommandType.h"

namespace voz::library {

namespace {

constexpr std::array<KeyName, kKeyNameCount> kKeys = {{
    {"键0", 0x30}, {"键1", 0x31}, {"键2", 0x32}, {"键3", 0x33}, {"键4", 0x34},
    {"键5", 0x35}, {"键6", 0x36}, {"键7", 0x37}, {"键8", 0x38}, {"键9", 0x39},
    {"A键", 0x41}, {"B键", 0x42}, {"C键", 0x43}, {"D键", 0x44}, {"E键", 0x45},
    {"F键", 0x46}, {"G键", 0x47}, {"H键", 0x48}, {"I键", 0x49}, {"J键", 0x4A},
    {"K键", 0x4B}, {"L键", 0x4C}, {"M键", 0x4D}, {"N键", 0x4E}, {"O键", 0x4F},
    {"P键", 0x50}, {"Q键", 0x51}, {"R键", 0x52}, {"S键", 0x53}, {"T键", 0x54},
    {"U键", 0x55}, {"V键", 0x56}, {"W键", 0x57}, {"X键", 0x58}, {"Y键", 0x59},
    {"Z键", 0x5A},
    {"F1键", 0x70}, {"F2键", 0x71}, {"F3键", 0x72}, {"F4键", 0x73}, {"F5键", 0x74},
    {"F6键", 0x75}, {"F7键", 0x76}, {"F8键", 0x77}, {"F9键", 0x78}, {"F10键", 0x79},
    {"F11键", 0x7A}, {"F12键", 0x7B}, {"F13键", 0x7C}, {"F14键", 0x7D}, {"F15键", 0x7E},
    {"F16键", 0x7F},
    {"Break键", 0x03}, {"退格键", 0x08}, {"Tab键", 0x09}, {"回车键", 0x0D},
    {"Shift键", 0x10}, {"Ctrl键", 0x11}, {"Alt键", 0x12}, {"Pause键", 0x13},
    {"CapsLock键", 0x14}, {"NumLock键", 0x90}, {"ScrollLock键", 0x91}, {"Esc键", 0x1B},
    {"空格键", 0x20}, {"PageUp键", 0x21}, {"PageDown键", 0x22},
    // The editor lists Home before End although End has the lower code.
    {"Home键", 0x24}, {"End键", 0x23},
    {"左光标键", 0x25}, {"上光标键", 0x26}, {"右光标键", 0x27}, {"下光标键", 0x28},
    {"Ins键", 0x2D}, {"Del键", 0x2E},
    // 除号键 is the "/" key, 斜杠键 the "\" key, listed after 右中括号键.
    {"分号键", 0xBA}, {"等号键", 0xBB}, {"逗号键", 0xBC}, {"减号键", 0xBD},
    {"圆点键", 0xBE}, {"除号键", 0xBF}, {"反撇号键", 0xC0}, {"左中括号键", 0xDB},
    {"右中括号键", 0xDD}, {"斜杠键", 0xDC}, {"单引号键", 0xDE},
    // The left Windows key.
    {"win键", 0x5B},
}};

constexpr bool CodesAreDistinct() {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].name.empty()) return false;
    for (std::size_t j = i + 1; j < kKeys.size(); ++j) {
      if (kKeys[i].code == kKeys[j].code) return false;
    }
  }
  return true;
}
// Each code names one entry, so a stored code selects exactly one list item.
static_assert(CodesAreDistinct(), "every key of the list needs its own code");

}  // namespace

std::span<const KeyName> KeyNameList() { return kKeys; }

std::optional<std::size_t> KeyIndexOfCode(std::int32_t code) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].code == code) return i;
  }
  return std::nullopt;
}

std::optional<std::string_view> KeyNameOfCode(std::int32_t code) {
  const auto index = KeyIndexOfCode(code);
  if (!index) return std::nullopt;
  return kKeys[*index].name;
}

std::optional<std::int32_t> KeyCodeOfName(std::string_view name) {
  for (const KeyName& key : kKeys) {
    if (key.name == name) return key.code;
  }
  return std::nullopt;
}

std::int32_t KeyCodeAt(std::optional<std::size_t> index) {
  if (!index || *index >= kKeys.size()) return NoKey;
  return kKeys[*index].code;
}

}  // namespace voz::library
