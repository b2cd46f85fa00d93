#include "ui/core/manager_registry.h"

#include <algorithm>

namespace Veneer::ManagerRegistry {
namespace {

std::vector<PaintManager*>& Managers() {
  static std::vector<PaintManager*> managers;
  return managers;
}

}  // namespace

void Add(PaintManager* manager) {
  auto& managers = Managers();
  if (std::find(managers.begin(), managers.end(), manager) == managers.end()) {
    managers.push_back(manager);
  }
}

void Remove(PaintManager* manager) {
  auto& managers = Managers();
  managers.erase(std::remove(managers.begin(), managers.end(), manager), managers.end());
}

const std::vector<PaintManager*>& All() {
  return Managers();
}

}  // namespace Veneer::ManagerRegistry
