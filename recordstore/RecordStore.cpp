#include "recordstore/RecordStore.h"

#include <algorithm>
#include <utility>

namespace voz::recordstore {

namespace {

Cell DefaultCell(FieldKind kind) {
  if (kind == FieldKind::Text) return std::string();
  if (IsFloatKind(kind)) return 0.0;
  return std::int64_t{0};
}

}  // namespace

RecordStore::RecordStore(files::FileSystem& fs) : fs_(fs) {}

bool RecordStore::Open(const std::string& path) {
  Close();
  open_ = true;
  path_ = path;
  // The stamp is taken before the read: a change in between makes the stamp
  // stale, so a later write refuses rather than overwrite what it never read.
  const auto stamp = fs_.Stat(path);
  const auto bytes = fs_.ReadAll(path);
  if (!stamp || !bytes) return false;
  auto table = ParseTable(*bytes);
  if (!table) return false;
  table_ = std::move(*table);
  stamp_ = stamp;
  writable_ = true;
  position_ = table_.records.empty() ? 0 : 1;
  return true;
}

void RecordStore::Close() {
  open_ = false;
  writable_ = false;
  path_.clear();
  stamp_.reset();
  table_ = Table{};
  position_ = 0;
}

bool RecordStore::IsOpen() const { return open_; }

bool RecordStore::IsWritable() const { return writable_; }

int RecordStore::RecordCount() const { return static_cast<int>(table_.records.size()); }

bool RecordStore::HasCurrent() const { return open_ && position_ >= 1 && position_ <= RecordCount(); }

int RecordStore::CurrentNumber() const { return HasCurrent() ? position_ : 0; }

void RecordStore::GoFirst() { position_ = RecordCount() > 0 ? 1 : 0; }

void RecordStore::GoLast() { position_ = RecordCount(); }

void RecordStore::Skip(int delta) {
  if (!open_) return;
  const long long next = static_cast<long long>(position_) + delta;
  position_ = static_cast<int>(std::clamp<long long>(next, 0, RecordCount() + 1LL));
}

bool RecordStore::BeforeFirst() const { return open_ && (RecordCount() == 0 || position_ == 0); }

bool RecordStore::AfterLast() const { return open_ && (RecordCount() == 0 || position_ > RecordCount()); }

bool RecordStore::GoTo(int number) {
  if (!open_) return false;
  if (number < 1) {
    position_ = 0;
    return false;
  }
  if (number > RecordCount()) {
    position_ = RecordCount() + 1;
    return false;
  }
  position_ = number;
  return true;
}

const std::vector<FieldDef>& RecordStore::Fields() const { return table_.fields; }

std::optional<size_t> RecordStore::FieldIndex(std::string_view field) const {
  for (size_t i = 0; i < table_.fields.size(); ++i) {
    if (table_.fields[i].name == field) return i;
  }
  return std::nullopt;
}

std::optional<FieldValue> RecordStore::Read(std::string_view field) const {
  if (!HasCurrent()) return std::nullopt;
  const auto index = FieldIndex(field);
  if (!index) return std::nullopt;
  return FieldValue{table_.fields[*index].kind, table_.records[static_cast<size_t>(position_ - 1)][*index]};
}

bool RecordStore::Commit() {
  // Someone else changed or removed the file since we read it: writing our
  // copy would throw their change away.
  const auto now = fs_.Stat(path_);
  if (!now || now != stamp_) return false;
  if (!files::WriteFileAtomically(fs_, path_, SerializeTable(table_))) return false;
  stamp_ = fs_.Stat(path_);
  return true;
}

bool RecordStore::Write(std::string_view field, const WriteValue& value) {
  if (!writable_ || !HasCurrent()) return false;
  const auto index = FieldIndex(field);
  if (!index) return false;
  auto cell = ConvertForField(value, table_.fields[*index].kind);
  if (!cell) return false;
  Cell& slot = table_.records[static_cast<size_t>(position_ - 1)][*index];
  Cell old = std::exchange(slot, std::move(*cell));
  if (Commit()) return true;
  slot = std::move(old);
  return false;
}

bool RecordStore::Add(const std::vector<std::optional<WriteValue>>& values) {
  if (!writable_ || values.size() > table_.fields.size()) return false;
  std::vector<Cell> record;
  record.reserve(table_.fields.size());
  for (size_t i = 0; i < table_.fields.size(); ++i) {
    const FieldKind kind = table_.fields[i].kind;
    if (i >= values.size() || !values[i]) {
      record.push_back(DefaultCell(kind));
      continue;
    }
    auto cell = ConvertForField(*values[i], kind);
    if (!cell) return false;
    record.push_back(std::move(*cell));
  }
  table_.records.push_back(std::move(record));
  if (!Commit()) {
    table_.records.pop_back();
    return false;
  }
  position_ = RecordCount();
  return true;
}

bool RecordStore::DeleteAndPurge() {
  if (!writable_ || !HasCurrent()) return false;
  const auto at = table_.records.begin() + (position_ - 1);
  std::vector<Cell> removed = std::move(*at);
  const auto gap = table_.records.erase(at);
  if (!Commit()) {
    table_.records.insert(gap, std::move(removed));
    return false;
  }
  position_ = std::min(position_, RecordCount());
  return true;
}

}  // namespace voz::recordstore
