// Owners of Windows handles: each closes its handle when it goes out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace fennick::win32 {

template <typename Handle, typename Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { Reset(); }

  Handle Get() const { return handle_; }
  bool Valid() const { return handle_ != Traits::Invalid(); }
  void Reset() {
    if (Valid()) Traits::Close(handle_);
    handle_ = Traits::Invalid();
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct KeyHandleTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY h) { RegCloseKey(h); }
};
struct ModuleHandleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};

struct FontHandleTraits {
  static HFONT Invalid() { return nullptr; }
  static void Close(HFONT h) { DeleteObject(h); }
};
struct IconHandleTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};

using KernelHandle = Owned<HANDLE, KernelHandleTraits>;
using FileHandle = Owned<HANDLE, FileHandleTraits>;
using KeyHandle = Owned<HKEY, KeyHandleTraits>;
using ModuleHandle = Owned<HMODULE, ModuleHandleTraits>;
using FontHandle = Owned<HFONT, FontHandleTraits>;
using IconHandle = Owned<HICON, IconHandleTraits>;

}  // namespace fennick::win32
