#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
# (default 20) on a scratch copy of its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-20}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRIX_FUZZ=ON
cmake --build build-fuzz --target fuzzers

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in build-fuzz/bin/*_fuzz; do
  name="$(basename "$target" _fuzz)"
  corpus="$work/$name"
  mkdir -p "$corpus"
  seeds="tests/fuzz/corpus/${name%_reader}"
  if [ -d "$seeds" ]; then cp -r "$seeds/." "$corpus/"; fi
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=0 "$corpus" 2>"$work/$name.log" || {
    tail -n 40 "$work/$name.log"
    echo "fuzz target $name failed" >&2
    exit 1
  }
  grep -E '^#[0-9]+.*DONE' "$work/$name.log" | tail -n 1 || true
done
