#!/bin/sh
# The window's display and size rules, on the real window path:
#  - without a display the game says so on stderr and exits non-zero, while
#    an invisible SDL driver asked for by name still runs;
#  - under Xvfb the window tells the window manager its minimum size: one
#    whole view, 512 x 384 on the title and 660 x 480 with the editor open.
# Usage: window_display_and_size.sh <tsumikiya executable> <work dir>
set -eu
exe=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
root=$(dirname "$exe")
# A private copy of the data root, so no save file is written into the build.
cp -r "$root/cg" "$root/dat" "$root/mp3" "$work/"
rm -f "$work/dat/my.dat"
export SDL_AUDIODRIVER=dummy
# Under the sanitizers, the X11 and driver libraries SDL loads leave
# allocations of their own; the game's own code is leak-checked elsewhere.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# ---- no display ---------------------------------------------------------------
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 \
    "$exe" --root "$work" --ticks 3 >"$work/nodisplay.log" 2>&1 || status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 124 ]; then
    echo "without a display the game ran (exit $status) instead of refusing" >&2
    cat "$work/nodisplay.log" >&2
    exit 1
fi
grep -q "no display" "$work/nodisplay.log" || {
    echo "the refusal does not say why:" >&2
    cat "$work/nodisplay.log" >&2
    exit 1
}
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen timeout 60 \
    "$exe" --root "$work" --ticks 3 >"$work/offscreen.log" 2>&1 || {
    echo "SDL_VIDEODRIVER=offscreen, asked for by name, did not run:" >&2
    cat "$work/offscreen.log" >&2
    exit 1
}
echo "no display: refused; offscreen on request: ran"

# ---- minimum size under Xvfb ----------------------------------------------------
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xprop >/dev/null 2>&1; then
    echo "xvfb-run or xprop (x11-utils) is not installed; cannot check the window size" >&2
    exit 77
fi
# The access word as the registered name (Shift-JIS), so F1 opens the editor.
{
    printf '0\r\n0\r\n0\r\n0\r\n\202\331\202\275\202\351\r\n0\r\n\r\n20\r\n\r\n0\r\n'
    i=11
    while [ $i -le 39 ]; do printf '0\r\n'; i=$((i + 1)); done
    printf '1\r\n'
} >"$work/dat/my.dat.editor"

cat >"$work/probe.sh" <<'PROBE'
#!/bin/sh
# Runs the game and waits for its window to carry the expected minimum size.
# Usage: probe.sh <exe> <root> <script> <"W by H">
"$1" --root "$2" --input "$3" --ticks 150 >"$2/window.log" 2>&1 &
pid=$!
found=no
n=0
while [ $n -lt 100 ] && kill -0 $pid 2>/dev/null; do
    id=$(xwininfo -root -tree 2>/dev/null | grep 'Tsumikiya' | awk '{print $1}' | head -n 1)
    if [ -n "$id" ]; then
        xprop -id "$id" WM_NORMAL_HINTS >"$2/hints.txt" 2>/dev/null || true
        if grep -q "program specified minimum size: $4" "$2/hints.txt"; then
            found=yes
            break
        fi
    fi
    sleep 0.1
    n=$((n + 1))
done
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
[ $found = yes ] || { echo "no minimum size of $4; last hints:" >&2; cat "$2/hints.txt" >&2 2>/dev/null; exit 1; }
PROBE
chmod +x "$work/probe.sh"

: >"$work/title.txt"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/probe.sh" "$exe" "$work" "$work/title.txt" "512 by 384"
cp "$work/dat/my.dat.editor" "$work/dat/my.dat"
printf '2 key F1 down\n3 key F1 up\n' >"$work/editor.txt"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/probe.sh" "$exe" "$work" "$work/editor.txt" "660 by 480"
echo "minimum window size: 512 x 384 on the title, 660 x 480 with the editor"
