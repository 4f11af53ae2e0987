#include "vozmara/library/CommandLibrary.h"

#include "vozmara/library/CommandFields.h"

namespace voz::library {

std::string CommandLibraryPath(std::string_view programDirectory) {
  std::string path(programDirectory);
  path += kLibraryFileName;
  return path;
}

CommandLibrary::CommandLibrary(recordstore::RecordStore& store) : store_(store) {}

void CommandLibrary::Open(std::string_view programDirectory) {
  path_ = CommandLibraryPath(programDirectory);
  phrases_.Clear();
  OpenAndBuild();
}

void CommandLibrary::SwitchNumberEntry(bool numberEntryOn) {
  phrases_.Clear();
  store_.Close();
  if (!numberEntryOn) OpenAndBuild();
}

void CommandLibrary::OpenAndBuild() {
  // The outcome is not tested: a failed open leaves a store with no records.
  store_.Open(path_);
  // The store stands on the first record after opening; walk it with skip.
  const int count = store_.RecordCount();
  for (int i = 1; i <= count; ++i) {
    phrases_.AppendCommand(RemoveSpaces(ReadText(field::语音命令)));
    store_.Skip(+1);
  }
}

bool CommandLibrary::GoTo(int number) { return store_.GoTo(number); }

std::int32_t CommandLibrary::ReadNumber(std::string_view field) const {
  const auto value = store_.Read(field);
  return value ? value->AsInt32() : 0;
}

std::string CommandLibrary::ReadText(std::string_view field) const {
  const auto value = store_.Read(field);
  return value ? value->AsText() : std::string();
}

CommandRecord CommandLibrary::ReadCurrent() const {
  CommandRecord record;
  record.type = ReadNumber(field::命令类型);
  record.phrase = ReadText(field::语音命令);
  record.execute = ReadText(field::执行);
  record.x = ReadNumber(field::横坐标);
  record.y = ReadNumber(field::纵坐标);
  record.clickKind = ReadNumber(field::点击类型);
  record.firstKey = ReadNumber(field::第一键);
  record.secondKey = ReadNumber(field::第二键);
  record.thirdKey = ReadNumber(field::第三键);
  return record;
}

std::optional<CommandRecord> CommandLibrary::ReadRecord(int number) {
  if (!store_.GoTo(number)) return std::nullopt;
  return ReadCurrent();
}

}  // namespace voz::library
