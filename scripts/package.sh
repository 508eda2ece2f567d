#!/usr/bin/env bash
# Builds the Debian package kestrix_<version>_amd64.deb in build-package/ from
# an optimised build without the test programs, and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-package
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRIX_TESTS=OFF \
  -DKESTRIX_BENCH=OFF >/dev/null
cmake --build "$dir"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$PWD/$dir"/kestrix_*_amd64.deb
