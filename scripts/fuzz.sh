#!/usr/bin/env bash
# fuzz.sh [seconds]: builds the fuzz set with clang into build-fuzz and runs every target for
# `seconds` (default 30), at most VUZ_FUZZ_JOBS targets at a time (default 4). New inputs go to
# build-fuzz/corpus/<target>, the seeds in tests/fuzz/corpus stay as they are. Any crash, leak or
# sanitizer report fails the run and names the input that reproduces it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
jobs=${VUZ_FUZZ_JOBS:-4}
out="$top/build-fuzz"

CC=clang CXX=clang++ cmake -S "$top" -B "$out" -G Ninja -DVUZ_FUZZ=ON >/dev/null
cmake --build "$out" -j "$(nproc)"

# Runs one target; its log is logs/<name>.log, its exit status logs/<name>.status.
run_target() {
  local name=$1 program=$2 seeds=$3 status=0
  mkdir -p "$out/corpus/$name" "$out/artifacts/$name"
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/artifacts/$name/" "$out/corpus/$name" "$seeds" \
    >"$out/logs/$name.log" 2>&1 || status=$?
  echo "$status" >"$out/logs/$name.status"
}

rm -rf "$out/logs" "$out/artifacts"
mkdir -p "$out/logs"
names=()
while read -r name program seeds; do
  [ -n "$name" ] || continue
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run_target "$name" "$program" "$seeds" &
  names+=("$name")
done <"$out/fuzz-targets.txt"
wait

failed=0
for name in "${names[@]}"; do
  if [ "$(cat "$out/logs/$name.status")" = 0 ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/logs/$name.log")
    printf '%-22s %12s runs in %ss\n' "$name" "${runs:-?}" "$seconds"
  else
    failed=1
    echo "FUZZ FAILURE in $name (log: $out/logs/$name.log)"
    grep -E 'ERROR: |check failed|SUMMARY: ' "$out/logs/$name.log" | head -5 || true
    for input in "$out/artifacts/$name"/*; do
      [ -e "$input" ] || continue
      echo "  reproduce: $(grep -F "$name " "$out/fuzz-targets.txt" | cut -d' ' -f2) $input"
    done
  fi
done
[ "$failed" -eq 0 ] || { echo "The fuzz set found faults."; exit 1; }
echo "Fuzz set: no faults found."
