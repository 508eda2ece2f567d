#!/usr/bin/env bash
# Builds an optimised tree without sanitizers and runs every benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRIX_TESTS=OFF
cmake --build build-bench
for bench in build-bench/bin/*_bench; do
  echo "== $(basename "$bench")"
  "$bench" "$@"
done
