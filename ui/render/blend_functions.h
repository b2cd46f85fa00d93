// AlphaBlend and GradientFill of "msimg32.dll", looked up once per process.
// A missing function is nullptr; the render engine then blends or fills by
// itself.
#pragma once

#include <windows.h>

namespace Veneer {

using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int,
                                         BLENDFUNCTION);
using GradientFillFunction = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

struct BlendApi {
  AlphaBlendFunction alphaBlend = nullptr;
  GradientFillFunction gradientFill = nullptr;
};

// Loads "msimg32.dll" on first use.
const BlendApi& BlendFunctions();

// Replaces the functions for as long as the object lives, so the fall-backs
// for systems without them can be exercised.
class ScopedBlendApiOverride {
 public:
  explicit ScopedBlendApiOverride(const BlendApi& api);
  ~ScopedBlendApiOverride();
  ScopedBlendApiOverride(const ScopedBlendApiOverride&) = delete;
  ScopedBlendApiOverride& operator=(const ScopedBlendApiOverride&) = delete;

 private:
  BlendApi saved_;
};

}  // namespace Veneer
