#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once in the
# normal build and once under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
for preset in default asan; do
    echo "=== $preset build"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    echo "=== $preset tests"
    ctest --preset "$preset" -j "$jobs"
done
