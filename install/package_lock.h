// The handle that keeps the downloaded package from being replaced: opened
// for reading only, it denies others writing and deletion. The download
// worker takes it when the file is complete, before WM_DOWNLOAD_DONE; the
// package runner closes it once the package's process has ended, and only
// then removes the file. The posted message orders the two accesses.
#pragma once

#include "common/scoped_handle.h"

namespace lumo {

FileHandle& PackageLock();

}  // namespace lumo
