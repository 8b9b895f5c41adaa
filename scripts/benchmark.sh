#!/usr/bin/env bash
# Times loading and applying the working settings on the in-memory Windows with
# a 250-entry catalog, 20 preload entries and 100 hotkey records, and prints the
# registry calls per load next to the distinct values a load reads.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# An optimised build in a tree of its own, so the test build stays as it is.
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/bench -j "$(nproc)" --target load_benchmark
build/bench/load_benchmark "$@"
