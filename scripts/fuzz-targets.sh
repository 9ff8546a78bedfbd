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
for target in "$here"/build/fuzz/bin/fuzz_*; do
  [[ -x $target ]] || continue
  name=$(basename "$target")
  corpus="$here/build/fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds="$here/fuzz/seeds/${name#fuzz_}"
  args=("$corpus")
  [[ -d $seeds ]] && args+=("$seeds")
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "${args[@]}" 2>"$corpus.log" || {
    tail -50 "$corpus.log"; echo "$name found a fault" >&2; exit 1; }
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$corpus.log" | tail -1)
  echo "-- $name: ${seconds}s, ${rate:-?} inputs a second"
done
