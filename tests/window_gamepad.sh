#!/bin/sh
# A gamepad in the real window (under Xvfb): SDL's virtual game controller is
# plugged in, starts a run with south, walks with the d-pad, jumps, walks
# back with the stick and is pulled out; the recorded replay played back
# headless ends in the same state.
# Usage: window_gamepad.sh <tsumikiya executable> <work dir>
set -eu
exe=$1
work=$2
for tool in xvfb-run jq; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed; cannot open a window here" >&2
        exit 77
    fi
done
rm -rf "$work"
mkdir -p "$work"
root=$(dirname "$exe")
cp -r "$root/cg" "$root/dat" "$root/mp3" "$work/"
rm -rf "$work/dat/my.dat" "$work/dat/replays"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
cat >"$work/pad.txt" <<'PAD'
0 plug
3 button south down
4 button south up
12 button dpright down
22 button south down
24 button south up
30 button dpright up
34 axis leftx -30000
38 axis leftx 0
40 button dpright down
44 unplug
PAD
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_AUDIODRIVER=dummy \
    xvfb-run -a -s "-screen 0 1024x768x24" "$exe" --root "$work" --seed 4 --ticks 50 \
    --virtual-pad "$work/pad.txt" --dump "$work/window.json" >"$work/window.log" 2>&1 || {
    cat "$work/window.log" >&2
    exit 1
}
replay=$(ls "$work"/dat/replays/*.replay)
fail() { cat "$replay" >&2; echo "FAIL: $*" >&2; exit 1; }
grep -q ' key Enter down$' "$replay" || fail "south did not start the run"
grep -q ' key Right down$' "$replay" || fail "the d-pad did not walk"
grep -q ' key Up down$' "$replay" || fail "south did not jump in play"
grep -q ' key Left down$' "$replay" || fail "the stick did not walk"
# Pulled out with the d-pad held: the walk stopped.
[ "$(grep -c ' key Right down$' "$replay")" -eq "$(grep -c ' key Right up$' "$replay")" ] ||
    fail "unplugging left the heroine walking"

"$exe" --headless --root "$work" --replay "$replay" --dump "$work/headless.json" >"$work/headless.log" 2>&1 || {
    cat "$work/headless.log" >&2
    exit 1
}
state() { jq -S 'del(.sounds, .messages, .music)' "$1"; }
state "$work/window.json" >"$work/window.state"
state "$work/headless.json" >"$work/headless.state"
[ "$(jq '.mode' "$work/window.state")" = 1 ] || fail "the run did not start"
cmp "$work/window.state" "$work/headless.state" || {
    diff "$work/window.state" "$work/headless.state" | head -20 >&2
    fail "the replay ends elsewhere"
}
echo "the virtual gamepad plays in the window, and its replay matches"
