#include "ui/core/module_instance.h"

#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

HINSTANCE g_instance = nullptr;

}  // namespace

void SetModuleInstance(HINSTANCE instance) {
  g_instance = instance;
  SkinLocation::Process().SetResourceModule(instance);
}

HINSTANCE ModuleInstance() {
  return g_instance ? g_instance : GetModuleHandleW(nullptr);
}

}  // namespace Veneer
