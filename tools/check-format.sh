#!/bin/bash
# Fails when a C++ source of the project differs from its clang-format form.
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard '*.cpp' '*.h' '*.c' | xargs -r clang-format --dry-run -Werror
