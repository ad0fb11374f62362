#!/usr/bin/env bash
# Runs each fuzz target for a bounded time, one after the other, on its own
# corpus (kept between runs under <build>/fuzz/corpus). A crash or a broken
# rule stops that target; its input is left under <build>/fuzz/artifacts.
# usage: run.sh <build folder> [seconds per target] [targets...]
# FUZZ_FLAGS adds libFuzzer flags (e.g. -len_control=0 for long inputs at once).
set -uo pipefail
BUILD=${1:-build-fuzz}
SECONDS_EACH=${2:-60}
shift $(( $# < 2 ? $# : 2 ))
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(level roster settings)
OUT="$BUILD/fuzz"
HERE=$(dirname "$0")
"$OUT/kovra_fuzz_seeds" "$OUT/seeds" || exit 1

declare -A MAX_LEN=([level]=4096 [roster]=1024 [settings]=16)
status=0
for t in "${TARGETS[@]}"; do
  mkdir -p "$OUT/corpus/$t" "$OUT/artifacts/$t"
  log="$OUT/fuzz_$t.log"
  dict=()
  [ -f "$HERE/$t.dict" ] && dict=(-dict="$HERE/$t.dict")
  echo "fuzz_$t: ${SECONDS_EACH} s (log: $log)"
  # -timeout: a level loads in milliseconds; seconds mean a hang.
  if "$OUT/fuzz_$t" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=3072 \
       -max_len="${MAX_LEN[$t]}" "${dict[@]}" ${FUZZ_FLAGS:-} -print_final_stats=1 -artifact_prefix="$OUT/artifacts/$t/" \
       "$OUT/corpus/$t" "$OUT/seeds/$t" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" | sed 's/^/  /'
  else
    status=1
    echo "  FAILED; the input is under $OUT/artifacts/$t/"
    grep -E 'ERROR|SUMMARY|Broken rules|Test unit written' "$log" | sed 's/^/  /'
  fi
done
exit $status
