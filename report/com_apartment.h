// COM on the calling thread for the length of a scope, and the owned COM
// values that live inside it (Windows only).
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace lumo {

// Joins the calling thread to a single-threaded apartment and leaves it at
// the end of the scope. A thread that is already in the multithreaded
// apartment stays there, untouched: COM works for it all the same.
class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

class ScopedBstr {
 public:
  explicit ScopedBstr(const wchar_t* text) : text_(SysAllocString(text)) {}
  ~ScopedBstr() { SysFreeString(text_); }
  ScopedBstr(const ScopedBstr&) = delete;
  ScopedBstr& operator=(const ScopedBstr&) = delete;

  BSTR get() const { return text_; }

 private:
  BSTR text_;
};

class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;

  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

}  // namespace lumo
