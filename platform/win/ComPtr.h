// A minimal owning pointer for COM interfaces, and a holder for strings that
// COM hands out with CoTaskMemAlloc. Windows only.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace voz::win {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // For out-parameters: releases what is held first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }

  template <class U>
  HRESULT As(ComPtr<U>& out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(__uuidof(U), out.PutVoid());
  }

 private:
  T* p_ = nullptr;
};

template <class T>
HRESULT CreateInstance(REFCLSID clsid, ComPtr<T>& out) {
  return CoCreateInstance(clsid, nullptr, CLSCTX_ALL, __uuidof(T), out.PutVoid());
}

// A string allocated by COM for the caller.
class CoTaskString {
 public:
  CoTaskString() = default;
  CoTaskString(const CoTaskString&) = delete;
  CoTaskString& operator=(const CoTaskString&) = delete;
  ~CoTaskString() { CoTaskMemFree(p_); }
  WCHAR** Put() {
    CoTaskMemFree(std::exchange(p_, nullptr));
    return &p_;
  }
  const WCHAR* Get() const { return p_; }

 private:
  WCHAR* p_ = nullptr;
};

// COM on the calling thread for the object's lifetime (single-threaded
// apartment, as window threads need). A thread already in another apartment
// keeps it.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

}  // namespace voz::win
