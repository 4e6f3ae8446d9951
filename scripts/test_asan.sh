#!/bin/sh
# Builds everything under AddressSanitizer + UndefinedBehaviorSanitizer and
# runs the whole test suite with leak checking on (the asan test preset).
# There is no suppressions file: the only leaks are those of the system
# libraries SDL loads for a real X11 window (libX11, libdbus-1, and Mesa's
# GL driver, which is unloaded before the check, so its leaks carry the
# game's own name and no suppression could tell them apart). The tests that
# open such a window turn leak checks off for that process alone, after the
# preset's options; everything else, the headless halves included, is checked.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset asan >/dev/null
cmake --build "$root/build/asan"
ctest --preset asan -j2
