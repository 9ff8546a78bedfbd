#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds
# (default 60), keeping every target's corpus under build/fuzz between runs.
# Exit status 0 only when no target found a fault.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
jobs=$(nproc)
cmake -S "$here" -B "$here/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLE_FUZZ=ON -DQUORLE_GUI=OFF \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$here/build/fuzz" -j"$jobs"
# One target: its corpus, its seeds, a log; the log's tail when it found a fault.
run_target() {
  local target=$1 name corpus seeds rate
  name=$(basename "$target")
  corpus="$here/build/fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds="$here/fuzz/seeds/${name#fuzz_}"
  local args=("$corpus")
  [[ -d $seeds ]] && args+=("$seeds")
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "${args[@]}" 2>"$corpus.log"; then
    tail -50 "$corpus.log"
    echo "$name found a fault" >&2
    return 1
  fi
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$corpus.log" | tail -1)
  echo "-- $name: ${seconds}s, ${rate:-?} inputs a second"
}

# As many targets at a time as there are processors, each for the whole time.
failed=0
running=0
for target in "$here"/build/fuzz/bin/fuzz_*; do
  [[ -x $target ]] || continue
  if (( running >= jobs )); then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
while (( running > 0 )); do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
