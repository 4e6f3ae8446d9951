#!/bin/sh
# Runs fuzz targets of the fuzz preset's build on their corpora.
#
#   fuzz/run.sh SECONDS [TARGET...] [-- LIBFUZZER-FLAGS...]
#
# Each target (all of them when none is named; a name is the part after
# "fuzz_") first runs every input of fuzz/regressions/<name>/ and
# fuzz/corpus/<name>/, then mutates them for SECONDS seconds with its
# dictionary. New inputs go to build/fuzz/corpus/<name>/ (kept between runs),
# crashes to build/fuzz/crashes/<name>/. Exits non-zero when a target fails.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build/fuzz}
[ $# -ge 1 ] || { echo "usage: fuzz/run.sh SECONDS [TARGET...] [-- FLAGS...]" >&2; exit 2; }
seconds=$1
shift
targets=""
while [ $# -gt 0 ] && [ "$1" != "--" ]; do targets="$targets $1"; shift; done
[ $# -gt 0 ] && shift # the flags that are left go to libFuzzer
if [ -z "$targets" ]; then
  for src in "$root"/fuzz/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    targets="$targets ${name#fuzz_}"
  done
fi
failed=""
for t in $targets; do
  exe="$build/fuzz_$t"
  [ -x "$exe" ] || { echo "fuzz/run.sh: $exe is not built (cmake --preset fuzz && cmake --build build/fuzz)" >&2; exit 2; }
  work="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$work" "$crashes"
  dict=""
  [ -f "$root/fuzz/$t.dict" ] && dict="-dict=$root/fuzz/$t.dict"
  seeds=""
  for d in "$root/fuzz/regressions/$t" "$root/fuzz/corpus/$t"; do
    [ -d "$d" ] && seeds="$seeds $d"
  done
  echo "== fuzz_$t: ${seconds} s"
  # shellcheck disable=SC2086
  if ! "$exe" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 -print_final_stats=1 \
      -artifact_prefix="$crashes/" $dict "$@" "$work" $seeds 2>"$build/fuzz_$t.log"; then
    tail -n 60 "$build/fuzz_$t.log" >&2
    failed="$failed $t"
  else
    grep -E "^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::average_exec_per_sec)" \
      "$build/fuzz_$t.log" || true
  fi
done
if [ -n "$failed" ]; then
  echo "fuzz/run.sh: failed:$failed (inputs in $build/crashes/)" >&2
  exit 1
fi
