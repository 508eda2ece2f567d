#!/usr/bin/env bash
# Installs what the project needs, builds it, and writes the graphics test card.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build --target testcard
out="${1:-build/testcard.png}"
build/bin/testcard "$out"
echo "The graphics test card is at $out"
