#!/bin/sh
# Sets up a fresh Debian 12 machine, builds everything and runs the whole
# test suite.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
cmake --preset debug >/dev/null
cmake --build "$root/build/debug"
ctest --test-dir "$root/build/debug" --output-on-failure -j2
