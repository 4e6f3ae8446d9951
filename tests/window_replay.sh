#!/bin/sh
# A run in the real window (under Xvfb) driven by X key events through the
# player's key bindings is recorded as a replay, and the replay played back
# headless ends in the same state as the window run.
# Usage: window_replay.sh <tsumikiya executable> <work dir>
set -eu
exe=$1
work=$2
for tool in xvfb-run xdotool jq; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed; cannot drive a window here" >&2
        exit 77
    fi
done
rm -rf "$work"
mkdir -p "$work/config/tsumikiya"
root=$(dirname "$exe")
cp -r "$root/cg" "$root/dat" "$root/mp3" "$work/"
rm -rf "$work/dat/my.dat" "$work/dat/replays"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
# Throw and jump on other keys than today's.
printf 'key_throw = K\nkey_jump = Space\n' >"$work/config/tsumikiya/settings.ini"

cat >"$work/drive.sh" <<'DRIVE'
#!/bin/sh
# Runs inside the X server: the game, and the keys a player would press.
set -eu
"$@" &
game=$!
win=$(xdotool search --sync --onlyvisible --name Tsumikiya | head -n 1)
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
sleep 0.5
xdotool key --window "$win" Return
sleep 1
xdotool keydown --window "$win" Right
sleep 0.6
xdotool key --window "$win" k
sleep 0.4
xdotool key --window "$win" space
sleep 0.5
xdotool keyup --window "$win" Right
xdotool key --window "$win" z
wait $game
DRIVE
chmod +x "$work/drive.sh"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_AUDIODRIVER=dummy \
    xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive.sh" \
    "$exe" --root "$work" --seed 11 --ticks 75 --dump "$work/window.json" >"$work/window.log" 2>&1 || {
    cat "$work/window.log" >&2
    exit 1
}
replay=$(ls "$work"/dat/replays/*.replay)
[ "$(echo "$replay" | wc -l)" -eq 1 ] || { echo "FAIL: not one replay: $replay" >&2; exit 1; }
grep -q '^# seed 11$' "$replay" || { echo "FAIL: the seed is not in the replay" >&2; exit 1; }
# K threw and Space jumped through the bindings; Z does nothing now.
grep -q ' key Z down$' "$replay" || { cat "$replay" >&2; echo "FAIL: K did not throw" >&2; exit 1; }
grep -q ' key Up down$' "$replay" || { cat "$replay" >&2; echo "FAIL: Space did not jump" >&2; exit 1; }
[ "$(grep -c ' key Z down$' "$replay")" -eq 1 ] || { echo "FAIL: Z still throws" >&2; exit 1; }

rm -f "$work/dat/my.dat"
"$exe" --headless --root "$work" --replay "$replay" --dump "$work/headless.json" >"$work/headless.log" 2>&1 || {
    cat "$work/headless.log" >&2
    exit 1
}
# The platforms' own records (sounds, messages, music files) differ in form;
# the game's state must match exactly.
state() { jq -S 'del(.sounds, .messages, .music)' "$1"; }
state "$work/window.json" >"$work/window.state"
state "$work/headless.json" >"$work/headless.state"
[ "$(jq '.mode' "$work/window.state")" = 1 ] || { echo "FAIL: the run did not start" >&2; exit 1; }
cmp "$work/window.state" "$work/headless.state" || {
    diff "$work/window.state" "$work/headless.state" | head -20 >&2
    echo "FAIL: the replay ends elsewhere" >&2
    exit 1
}
echo "the window run's replay plays back to the same state"
