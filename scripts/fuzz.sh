#!/usr/bin/env bash
# Builds the fuzzers (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build/fuzz and runs each for a bounded time over its corpus.
#   scripts/fuzz.sh                 every fuzzer, 30 s each
#   scripts/fuzz.sh 600             every fuzzer, 10 minutes each
#   scripts/fuzz.sh 600 switches    one fuzzer
# The corpus in fuzz/corpus/<name> is only read; new inputs go to
# build/fuzz/corpus/<name>. A crash leaves its input in build/fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
only=${2:-}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DFENNICK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j "$(nproc)"
mkdir -p build/fuzz/crashes
for source in fuzz/*_fuzzer.cpp; do
  name=$(basename "$source" .cpp)
  short=${name%_fuzzer}
  [ -n "$only" ] && [ "$only" != "$short" ] && continue
  mkdir -p "build/fuzz/corpus/$short" "fuzz/corpus/$short"
  echo "== fuzzing $short for ${seconds}s"
  "build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/crashes/$short-" "build/fuzz/corpus/$short" "fuzz/corpus/$short" 2>&1 |
    grep -E "^stat::number_of_executed_units|^stat::new_units_added|ERROR|broken rule|SUMMARY|Test unit written" || true
  if ls "build/fuzz/crashes/$short-"* >/dev/null 2>&1; then
    echo "fuzzer $short found a crash: build/fuzz/crashes/"; exit 1
  fi
done
