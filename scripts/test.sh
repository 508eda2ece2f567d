#!/usr/bin/env bash
# Installs what the project needs, checks the formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs the fuzz targets briefly
# and then every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/format-check.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRIX_SANITIZE=ON
cmake --build build
bash scripts/fuzz.sh
ctest --test-dir build --output-on-failure
