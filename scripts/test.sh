#!/usr/bin/env bash
# Installs what the project needs, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then runs the fuzz targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRIX_SANITIZE=ON
cmake --build build
bash scripts/fuzz.sh
ctest --test-dir build --output-on-failure
