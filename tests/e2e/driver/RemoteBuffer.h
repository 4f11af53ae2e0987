// A buffer inside another process, for the control messages whose pointer
// Windows does not carry across processes (SB_GETTEXTW, LVM_GETITEMTEXTW).
#pragma once

#include <cstddef>
#include <string>

namespace voz::e2e {

class RemoteBuffer {
 public:
  RemoteBuffer(unsigned long pid, std::size_t bytes);
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer();

  bool Valid() const { return address_ != nullptr; }
  // The address as the other process sees it, for lParam.
  long long Address() const { return reinterpret_cast<long long>(address_); }
  // The buffer read back as a zero-terminated UTF-16 text.
  std::wstring ReadText() const;

 private:
  void* process_ = nullptr;
  void* address_ = nullptr;
  std::size_t bytes_ = 0;
};

}  // namespace voz::e2e
