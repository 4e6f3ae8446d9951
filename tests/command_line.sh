#!/bin/sh
# The executable's command line: --help and --version exit 0, a bad flag or
# value prints one line and the usage and exits 2, and a garbage settings
# file starts the game with the defaults and a single warning.
# Usage: command_line.sh <tsumikiya executable> <work dir>
set -eu
exe=$1
work=$2
rm -rf "$work"
mkdir -p "$work/config/tsumikiya" "$work/data"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$exe" --help >"$work/help.txt" || fail "--help exited $?"
for word in --ranking-url --replay --headless settings.ini International3 replays; do
    grep -q -- "$word" "$work/help.txt" || fail "--help does not mention $word"
done
[ "$("$exe" --version)" = "tsumikiya 4.6" ] || fail "--version"

for bad in "--frobnicate" "--scale 0" "--scale" "--ranking-url gopher://x" "--seed -3"; do
    set +e
    # shellcheck disable=SC2086
    "$exe" $bad >"$work/out.txt" 2>"$work/err.txt"
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || fail "$bad exited $rc, not 2"
    [ ! -s "$work/out.txt" ] || fail "$bad printed on stdout"
    head -n 1 "$work/err.txt" | grep -q '^tsumikiya: ' || fail "$bad: no reason line"
    [ "$(sed -n 2p "$work/err.txt" | cut -c1-16)" = "usage: tsumikiya" ] || fail "$bad: no usage"
    [ "$(grep -c '^tsumikiya: ' "$work/err.txt")" -eq 1 ] || fail "$bad: more than one reason"
done

# Garbage: binary bytes, a 1 MB line, a key given twice.
ini="$work/config/tsumikiya/settings.ini"
printf 'scale = 2\n\001\002\377 = \000\n' >"$ini"
head -c 1048576 /dev/zero | tr '\0' 'x' >>"$ini"
printf '\nscale = 5\nmusic_volume = 300\n' >>"$ini"
root=$(dirname "$exe")
cp -r "$root/cg" "$root/dat" "$root/mp3" "$work/"
rm -f "$work/dat/my.dat"
"$exe" --headless --root "$work" --ticks 20 --dump "$work/dump.json" 2>"$work/err.txt" ||
    fail "the game did not start with a garbage settings file"
[ "$(grep -c 'settings.ini' "$work/err.txt")" -eq 1 ] || { cat "$work/err.txt" >&2; fail "not one warning"; }
grep -q 'and 3 more bad lines' "$work/err.txt" || { cat "$work/err.txt" >&2; fail "bad lines not counted"; }
[ "$(wc -c <"$work/err.txt")" -lt 1000 ] || fail "the warning echoes the garbage"
grep -q "saves and replays in $work/dat" "$work/err.txt" || fail "no line naming the save folder"
echo "command line and settings checks passed"
