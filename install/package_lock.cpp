#include "install/package_lock.h"

namespace lumo {

FileHandle& PackageLock() {
  static FileHandle lock;
  return lock;
}

}  // namespace lumo
