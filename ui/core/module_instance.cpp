#include "ui/core/module_instance.h"

namespace Veneer {
namespace {

HINSTANCE g_instance = nullptr;

}  // namespace

void SetModuleInstance(HINSTANCE instance) {
  g_instance = instance;
}

HINSTANCE ModuleInstance() {
  return g_instance ? g_instance : GetModuleHandleW(nullptr);
}

}  // namespace Veneer
