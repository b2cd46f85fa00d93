// Every paint manager that has a window, for the message loop's
// pre-translation. UI thread only.
#pragma once

#include <vector>

namespace Veneer {

class PaintManager;

namespace ManagerRegistry {

void Add(PaintManager* manager);
void Remove(PaintManager* manager);
const std::vector<PaintManager*>& All();

}  // namespace ManagerRegistry
}  // namespace Veneer
