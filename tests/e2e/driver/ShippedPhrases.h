// What the command list of a fresh start must show, worked out from the
// readable source of the shipped library rather than from the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voz::e2e {

// The 语音命令 of each record of a library text form, in record order (an
// empty text for a record without one).
std::vector<std::string> PhrasesOfLibraryText(std::string_view textForm);

// The row the command list shows for a phrase: "[" + phrase + "]", the
// phrase without its plain spaces.
std::string CommandRow(std::string_view phrase);

}  // namespace voz::e2e
