#include "ui/render/blend_functions.h"

namespace Veneer {
namespace {

// GetProcAddress's answer as the function it is; void (*)() converts to
// any function pointer type without a warning.
template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

BlendApi& Current() {
  static BlendApi api = [] {
    BlendApi found;
    if (HMODULE module = LoadLibraryW(L"msimg32.dll")) {
      found.alphaBlend = Lookup<AlphaBlendFunction>(module, "AlphaBlend");
      found.gradientFill = Lookup<GradientFillFunction>(module, "GradientFill");
    }
    return found;
  }();
  return api;
}

}  // namespace

const BlendApi& BlendFunctions() {
  return Current();
}

ScopedBlendApiOverride::ScopedBlendApiOverride(const BlendApi& api) : saved_(Current()) {
  Current() = api;
}

ScopedBlendApiOverride::~ScopedBlendApiOverride() {
  Current() = saved_;
}

}  // namespace Veneer
