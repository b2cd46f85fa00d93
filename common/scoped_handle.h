// Owning wrappers of Windows handles: the handle is closed when the wrapper
// goes out of scope, so every path closes it. Move-only.
#pragma once

#include <windows.h>

namespace lumo {

template <typename Traits>
class ScopedHandle {
 public:
  using Handle = typename Traits::Handle;

  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle) : handle_(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~ScopedHandle() { reset(); }

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return valid(); }

  void reset(Handle handle = Traits::Invalid()) {
    if (valid()) Traits::Close(handle_);
    handle_ = handle;
  }
  Handle release() {
    Handle handle = handle_;
    handle_ = Traits::Invalid();
    return handle;
  }
  // For APIs that return the handle through a pointer.
  Handle* receive() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { FindClose(handle); }
};

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { RegCloseKey(handle); }
};

struct LibraryTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { FreeLibrary(handle); }
};

// A COM interface pointer, released once.
template <typename Interface>
struct ComInterfaceTraits {
  using Handle = Interface*;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { handle->Release(); }
};

using KernelHandle = ScopedHandle<KernelHandleTraits>;  // threads, processes, tokens, mutexes
using FileHandle = ScopedHandle<FileHandleTraits>;
using FindHandle = ScopedHandle<FindHandleTraits>;
using RegistryKey = ScopedHandle<RegistryKeyTraits>;
using Library = ScopedHandle<LibraryTraits>;
template <typename Interface>
using ComPtr = ScopedHandle<ComInterfaceTraits<Interface>>;

}  // namespace lumo
