#!/bin/sh
# Sets up a fresh Debian 12 machine, builds the game with its generated
# assets (the `play` target: no tests, benchmarks or extra tools) and starts
# it. Extra arguments go to the game.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
cmake --preset release >/dev/null
cmake --build "$root/build/release" --target play
exec "$root/build/release/game/tsumikiya" "$@"
