#!/bin/sh
# Builds everything under AddressSanitizer + UndefinedBehaviorSanitizer and
# runs the whole test suite with leak checking on (the asan test preset;
# tests/lsan.supp names the leaks of system libraries it lets pass).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset asan >/dev/null
cmake --build "$root/build/asan"
ctest --preset asan -j2
