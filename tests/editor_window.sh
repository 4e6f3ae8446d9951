#!/bin/sh
# The stage editor in a real window under Xvfb: F1 opens it, mouse drags
# paint a floor and an exit, MAP SAVE writes user stage 3; a second run
# test-plays that stage along the stage solver's way to the exit, goes back
# to the editor through the stage-clear screen and loads the stage again:
# the dump holds the painted cells.
# Usage: editor_window.sh <tsumikiya executable> <stage solver executable> <work dir>
set -eu
exe=$1
solver=$2
work=$3
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is not installed; cannot open a window here" >&2
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"
root=$(dirname "$exe")
cp -r "$root/cg" "$root/dat" "$root/mp3" "$work/"
rm -f "$work/dat/my.dat" "$work/dat/map103.dat" "$work/dat/editor_recovery.dat"
# A save file whose ranking name unlocks F1 (Shift-JIS, CR LF, 40 lines):
# the name on line 5, EASY (line 34) off, line 40 says the file was set up.
{
    printf '0\r\n1\r\n0\r\n0\r\n\202\331\202\275\202\351\r\n0\r\n\r\n20\r\nx\r\n0\r\n'
    i=11; while [ $i -le 33 ]; do printf '0\r\n'; i=$((i + 1)); done
    printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n'
} > "$work/dat/my.dat"

window() {
    # Under the sanitizers the X11 and GL libraries SDL loads leave
    # allocations of their own; the game's leaks are checked headless. The
    # option goes after the asan preset's own (the later one wins).
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1400x1000x24" \
        "$exe" --root "$work" --seed 5 --scale 1 "$@" >>"$work/window.log" 2>&1 || {
        cat "$work/window.log" >&2
        exit 1
    }
}

# Run 1: clear, floor chip 1 dragged along row 18 from column 0 to 20, the
# exit (chip 6) at column 12, row 17; user stage 3 saved.
cat > "$work/paint.txt" <<'SCRIPT'
1 key F1 down
2 click Button10
3 mouse left down 520 15
3 mouse left up 520 15
4 mouse left down 5 365
5 move 150 365
6 move 415 365
7 mouse left up 415 365
8 mouse left down 520 65
8 mouse left up 520 65
9 mouse left down 245 345
9 mouse left up 245 345
10 click map_v
10 key Backspace down
10 text 3
10 key Esc down
11 click Button1
SCRIPT
window --input "$work/paint.txt" --ticks 14 --shot "$work/editor.png@13"
test -f "$work/dat/map103.dat" || { echo "MAP SAVE wrote no map103.dat" >&2; exit 1; }

# The solver's way on the saved stage, its keys moved to the test play: the
# play starts after tick 20 (the solver's script starts a run after tick 1).
"$solver" "$work/dat/map103.dat" --chips "$work/dat/chip.dat" --script "$work/way.txt" >"$work/solver.log"
start=20
last=$(grep -v '^#' "$work/way.txt" | grep -v Enter | awk '{ t = $1 } END { print t }')
{
    echo "1 key F1 down"
    echo "2 click map_v"
    echo "2 key Backspace down"
    echo "2 text 3"
    echo "2 key Esc down"
    echo "$start click Button7"
    grep -v '^#' "$work/way.txt" | grep -v Enter | awk -v s=$((start - 1)) '{ $1 = $1 + s; print }'
    # The stage-clear screen: its wipe runs 10 ticks, then a click goes back.
    back=$((start + last + 30))
    echo "$back mouse left down 200 200"
    echo "$back mouse left up 200 200"
    echo "$((back + 2)) click Button2"
} > "$work/play.txt"
end=$((start + last + 35))
window --input "$work/play.txt" --ticks $end --dump "$work/dump.json"

python3 - "$work/dump.json" <<'CHECK'
import json, sys
d = json.load(open(sys.argv[1]))
cells = {(c["column"], c["row"]): c for c in d["map"]}
assert d["editor"] is True and d["test_play"] is False, (d["editor"], d["test_play"])
assert d["client_width"] == 660 and d["client_height"] == 480
for c in range(0, 21):
    assert cells.get((c, 18), {}).get("lower") == 1, ("floor", c, cells.get((c, 18)))
assert cells.get((12, 17), {}).get("lower") == 6, ("exit", cells.get((12, 17)))
assert d["editor_state"]["stage"] == 103, d["editor_state"]
print("editor window run: floor and exit back from map103.dat after a test play")
CHECK
