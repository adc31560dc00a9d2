#!/usr/bin/env bash
# Runs every fuzzer of a build's fuzz folder for some seconds, side by side, each on a copy of
# its seed corpus: fuzz/run_fuzzers.sh <build>/fuzz <seconds>. Inputs that break a harness are
# kept in <build>/fuzz/findings/; the script fails when there are any.
set -uo pipefail
bin=${1:?usage: run_fuzzers.sh <build>/fuzz <seconds>}
seconds=${2:-30}
corpus=$(cd "$(dirname "$0")" && pwd)/corpus
findings=$bin/findings
mkdir -p "$findings"
pids=()
names=()
for fuzzer in "$bin"/*_fuzzer; do
  name=$(basename "$fuzzer")
  work=$bin/work/$name
  rm -rf "$work" && mkdir -p "$work"
  "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/$name-" "$work" "$corpus/$name" >"$bin/$name.log" 2>&1 &
  pids+=($!)
  names+=("$name")
done
failed=0
for i in "${!pids[@]}"; do
  if wait "${pids[$i]}"; then
    echo "${names[$i]}: $(grep -Eo 'Done [0-9]+ runs' "$bin/${names[$i]}.log" | tail -1)"
  else
    echo "${names[$i]}: FAILED, see $bin/${names[$i]}.log"
    tail -30 "$bin/${names[$i]}.log"
    failed=1
  fi
done
exit $failed
