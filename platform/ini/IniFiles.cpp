#include "platform/ini/IniFiles.h"

#include <atomic>

#include "platform/ini/IniEdit.h"
#include "platform/ini/IniValues.h"

namespace voz::ini {

namespace {

// Successful writes by every IniFiles of the process, so that each one knows
// its trusted copies may be out of date.
std::atomic<std::uint64_t> g_writes{0};

}  // namespace

IniFiles::IniFiles(files::FileSystem& fs) : IniFiles(fs, Options{}) {}

IniFiles::IniFiles(files::FileSystem& fs, Options options) : fs_(fs), options_(std::move(options)) {}

std::chrono::steady_clock::time_point IniFiles::Now() const {
  return options_.clock ? options_.clock() : std::chrono::steady_clock::now();
}

const IniDocument* IniFiles::Current(const std::string& path) {
  Cached& entry = cache_[path];
  const auto now = Now();
  const std::uint64_t writes = g_writes.load(std::memory_order_relaxed);
  if (entry.valid && entry.writes == writes && now - entry.checked < options_.recheckAfter) {
    return entry.doc ? &*entry.doc : nullptr;
  }
  entry.valid = true;
  entry.checked = now;
  entry.writes = writes;
  const auto stamp = fs_.Stat(path);
  if (stamp && entry.doc && entry.stamp == stamp) return &*entry.doc;
  // Read after the Stat: a change in between makes the next check read again.
  auto bytes = stamp ? fs_.ReadAll(path) : std::nullopt;
  entry.stamp = bytes ? stamp : std::nullopt;
  entry.doc.reset();
  if (bytes) entry.doc = IniDocument::Parse(std::move(*bytes));
  return entry.doc ? &*entry.doc : nullptr;
}

std::string IniFiles::Read(const std::string& path, std::string_view section, std::string_view key) {
  const IniDocument* doc = Current(path);
  if (doc == nullptr) return {};
  const auto line = doc->FindEntry(section, key);
  return line ? std::string(doc->Value(*line)) : std::string();
}

double IniFiles::ReadNumber(const std::string& path, std::string_view section, std::string_view key) {
  return IniTextToNumber(Read(path, section, key));
}

bool IniFiles::ReadFlag(const std::string& path, std::string_view section, std::string_view key) {
  return IsIniOn(Read(path, section, key));
}

bool IniFiles::Write(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) {
  const IniWriteStatus status = WriteItem(path, section, key, value);
  return status == IniWriteStatus::kWritten || status == IniWriteStatus::kUnchanged;
}

IniWriteStatus IniFiles::WriteItem(const std::string& path, std::string_view section, std::string_view key,
                                   std::string_view value) {
  // Always from the file itself: a copy trusted for reads may miss a change
  // that this write would otherwise undo.
  const auto bytes = fs_.ReadAll(path);
  if (!bytes && fs_.Exists(path)) return IniWriteStatus::kFailed;  // there but unreadable: keep it
  const IniDocument doc = IniDocument::Parse(bytes.value_or(std::string()));
  IniEdit edit = SetIniValue(doc, section, key, value);
  if (edit.outcome == IniEditOutcome::kRefused) return IniWriteStatus::kRefused;
  if (edit.outcome == IniEditOutcome::kUnchanged) return IniWriteStatus::kUnchanged;
  const bool written = files::WriteFileAtomically(fs_, path, edit.bytes);
  g_writes.fetch_add(1, std::memory_order_relaxed);  // after a failure too: the file may have been touched
  if (!written) {
    cache_.erase(path);
    return IniWriteStatus::kFailed;
  }
  Remember(path, IniDocument::Parse(std::move(edit.bytes)));
  return IniWriteStatus::kWritten;
}

void IniFiles::Remember(const std::string& path, IniDocument doc) {
  Cached& entry = cache_[path];
  entry.stamp = fs_.Stat(path);
  entry.doc = std::move(doc);
  entry.valid = entry.stamp.has_value();
  entry.checked = Now();
  entry.writes = g_writes.load(std::memory_order_relaxed);
}

}  // namespace voz::ini
