#!/bin/sh
# cmake --install into a temporary prefix: the files land in their places and
# validate, and the installed game, its shipped dat/ read-only, plays a stage
# headless and saves into the XDG data folder.
# Usage: install_test.sh <build dir> <work dir>
set -eu
build=$1
work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (scripts/packages.txt)"
done
if [ -d "$work" ]; then chmod -R u+w "$work"; fi
rm -rf "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work.log" 2>&1 || { cat "$work.log" >&2; fail "cmake --install"; }

id=org.tsumikiya.Tsumikiya
for f in bin/tsumikiya share/tsumikiya/cg share/tsumikiya/dat/map0.dat share/tsumikiya/dat/chip.dat \
         share/tsumikiya/mp3 share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/man/man6/tsumikiya.6; do
    [ -e "$prefix/$f" ] || fail "$f not installed"
done
for size in 32 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
    [ -s "$icon" ] || fail "no $size pixel icon"
    # The PNG header holds the width and height as big-endian words at 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')
    word=" 0 0 $((size / 256)) $((size % 256))"
    [ "$dims" = "$word$word" ] || fail "the $size pixel icon is $dims"
done
[ ! -e "$prefix/share/tsumikiya/dat/my.dat" ] || fail "a save file was installed"
[ ! -e "$prefix/share/tsumikiya/dat/replays" ] || fail "replays were installed"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
man -l "$prefix/share/man/man6/tsumikiya.6" >/dev/null 2>&1 || command -v man >/dev/null 2>&1 ||
    echo "(no man here to render the page)"

# The installed game, its data read-only, finds its data root from bin/ and
# writes into the XDG folder.
chmod -R a-w "$prefix/share/tsumikiya/dat"
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"
# The first stage along the solver's way; on to the next stage, give up
# there, go on to the title and open the option panel, which saves.
"$build/tools/stagesolve/tsumikiya-stagesolve" "$prefix/share/tsumikiya/dat/map0.dat" \
    --chips "$prefix/share/tsumikiya/dat/chip.dat" --script "$work/way.txt" >/dev/null ||
    fail "the stage solver found no way"
last=$(grep -v '^#' "$work/way.txt" | tail -n 1 | cut -d' ' -f1)
{
    cat "$work/way.txt"
    echo "$((last + 40)) key Enter down"
    echo "$((last + 41)) key Enter up"
    echo "$((last + 70)) key Q down"
    echo "$((last + 71)) key Q up"
    echo "$((last + 100)) key Enter down"
    echo "$((last + 101)) key Enter up"
    echo "$((last + 130)) key M down"
    echo "$((last + 131)) key M up"
} >"$work/in.txt"
"$prefix/bin/tsumikiya" --headless --seed 3 --input "$work/in.txt" --ticks $((last + 140)) \
    --shot "$work/after_stage.png@$((last + 30))" --dump "$work/dump.json" 2>"$work/err.txt" ||
    { cat "$work/err.txt" >&2; fail "the installed game did not run"; }
grep -q "saves and replays in $XDG_DATA_HOME/tsumikiya" "$work/err.txt" ||
    { cat "$work/err.txt" >&2; fail "no line naming the XDG folder"; }
[ -s "$XDG_DATA_HOME/tsumikiya/my.dat" ] || fail "the save did not land in the XDG folder"
[ ! -e "$prefix/share/tsumikiya/dat/my.dat" ] || fail "the save went into the shipped dat/"
[ "$(jq '.mode' "$work/dump.json")" = 0 ] || fail "the run did not end on the title"
[ "$(jq '.my.stage_no' "$work/dump.json")" = 1 ] || fail "the first stage was not cleared"
echo "install checks passed"
