#!/usr/bin/env bash
# Writes the README's pictures: runs the headless tour and keeps three of its steps in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target kestrix-tour
mkdir -p docs
tour=$(mktemp -d)
trap 'rm -rf "$tour"' EXIT
build/bin/kestrix-tour "$tour" >/dev/null 2>&1
cp "$tour"/01-start.png docs/login.png
cp "$tour"/07-match-details.png docs/matches.png
cp "$tour"/03-system-menu.png docs/system-menu.png
echo "docs/login.png, docs/matches.png and docs/system-menu.png are written"
