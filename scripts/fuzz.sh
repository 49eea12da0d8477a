#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target for SECONDS each (30 by default), starting
# from its seeds in fuzz/corpus/ and the inputs kept in fuzz/findings/. Fails when any target
# finds a fault; the input that shows it is left in build/fuzz/findings/. A longer run:
# scripts/fuzz.sh 600.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=build/fuzz/work
mkdir -p "$work" build/fuzz/findings
# The readers' scratch files go to memory where it can: the settings writer syncs every file.
scratch="$(mktemp -d "$([ -w /dev/shm ] && echo /dev/shm || echo "$PWD/$work")/pipetrim-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp"

failed=()
for source in fuzz/*_fuzzer.cpp; do
  target="$(basename "$source" .cpp)"
  name="${target%_fuzzer}"
  # New inputs go to the build folder's corpus; the seeds and findings are only read.
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  for dir in "fuzz/corpus/$name" "fuzz/findings/$name"; do
    [ -d "$dir" ] && seeds+=("$dir")
  done
  echo "== $name: ${seconds} s"
  if ! "build/fuzz/bin/$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/findings/$name-" >"$work/$name.log" 2>&1; then
    tail -n 60 "$work/$name.log"
    echo "fuzz: $name found a fault; its input is in build/fuzz/findings/" >&2
    failed+=("$name")
    continue
  fi
  grep -E '^stat::number_of_executed_units' "$work/$name.log" | sed "s/^/$name /"
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: faults found by ${failed[*]}" >&2
  exit 1
fi
