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
# FUZZ_PARALLEL=N runs N targets side by side (default 1; one per core is
# what CI does), each still for SECONDS.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build/fuzz}
parallel=${FUZZ_PARALLEL:-1}
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
for t in $targets; do
  [ -x "$build/fuzz_$t" ] || {
    echo "fuzz/run.sh: $build/fuzz_$t is not built (cmake --preset fuzz && cmake --build build/fuzz)" >&2
    exit 2
  }
done

# One target; its libFuzzer output goes to build/fuzz/fuzz_<name>.log and a
# failure leaves build/fuzz/fuzz_<name>.failed behind.
fuzz_one() {
  t=$1
  shift
  work="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$work" "$crashes"
  rm -f "$build/fuzz_$t.failed"
  dict=""
  [ -f "$root/fuzz/$t.dict" ] && dict="-dict=$root/fuzz/$t.dict"
  seeds=""
  for d in "$root/fuzz/regressions/$t" "$root/fuzz/corpus/$t"; do
    [ -d "$d" ] && seeds="$seeds $d"
  done
  # shellcheck disable=SC2086
  "$build/fuzz_$t" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$crashes/" $dict "$@" "$work" $seeds 2>"$build/fuzz_$t.log" ||
    touch "$build/fuzz_$t.failed"
}

# What a finished target found: its statistics, or the end of its log.
report() {
  t=$1
  echo "== fuzz_$t: ${seconds} s"
  if [ -e "$build/fuzz_$t.failed" ]; then
    tail -n 60 "$build/fuzz_$t.log" >&2
  else
    grep -E "^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::average_exec_per_sec)" \
      "$build/fuzz_$t.log" || true
  fi
}

# Targets go in batches of $parallel; each batch is reported once all of it
# has finished, in the order the targets were named.
batch=""
count=0
failed=""
flush() {
  wait
  for b in $batch; do
    report "$b"
    [ -e "$build/fuzz_$b.failed" ] && failed="$failed $b"
  done
  batch=""
  count=0
}
for t in $targets; do
  fuzz_one "$t" "$@" &
  batch="$batch $t"
  count=$((count + 1))
  [ "$count" -ge "$parallel" ] && flush
done
flush
if [ -n "$failed" ]; then
  echo "fuzz/run.sh: failed:$failed (inputs in $build/crashes/)" >&2
  exit 1
fi
