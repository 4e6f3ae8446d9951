#!/bin/sh
# ./scripts/play.sh builds the `play` target, and that target is the game
# and its data root alone: no tests, benchmarks or stand-alone tools.
# Usage: play_target.sh <source dir> <build dir> <make program>
set -eu
src=$1
build=$2
make_program=$3
fail() {
    echo "$1" >&2
    exit 1
}
grep -q -- '--target play' "$src/scripts/play.sh" || fail "scripts/play.sh does not build the play target"
case "$(basename "$make_program")" in
ninja*) ;;
*)
    echo "not a Ninja build tree; cannot list the play target's commands" >&2
    exit 77
    ;;
esac
cmds=$("$make_program" -C "$build" -t commands play) || fail "the build tree has no play target"
echo "$cmds" | grep -q -- '-o game/tsumikiya ' || fail "the play target does not link the game"
echo "$cmds" | grep -q 'tsumikiya-assetgen' || fail "the play target does not make the pictures, sounds and music"
echo "$cmds" | grep -q 'tsumikiya-stagec compile' || fail "the play target does not compile the stages"
for unwanted in tsumikiya_tests.dir tsumikiya_bench tsumikiya-stagesolve tsumikiya-effectgallery art_sheets; do
    if echo "$cmds" | grep -q "$unwanted"; then fail "the play target also builds $unwanted"; fi
done
all=$("$make_program" -C "$build" -t commands all | grep -c -- ' -c ' || true)
play=$(echo "$cmds" | grep -c -- ' -c ' || true)
echo "the play target compiles $play of the $all sources of the whole build"
