#include <windows.h>

#include <vector>

#include "tests/e2e/driver/RemoteBuffer.h"

namespace voz::e2e {

RemoteBuffer::RemoteBuffer(unsigned long pid, std::size_t bytes) : bytes_(bytes) {
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process_ == nullptr) return;
  address_ = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_ != nullptr) CloseHandle(process_);
}

std::wstring RemoteBuffer::ReadText() const {
  if (address_ == nullptr) return {};
  std::vector<wchar_t> local(bytes_ / sizeof(wchar_t) + 1, L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_, address_, local.data(), bytes_, &read)) return {};
  local.back() = L'\0';
  return std::wstring(local.data());
}

}  // namespace voz::e2e
