#!/usr/bin/env bash
# Builds the Debian package kestrix_<version>_amd64.deb in build-package/ from
# an optimised build of what the package holds (the two programs, skinc, the
# pictures and the manual pages), and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-package
# CPack installs without building everything first: the targets below are all it needs.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRIX_TESTS=OFF \
  -DKESTRIX_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$dir" --target kestrix kestrix-demo-service skinc man_pages
rm -f "$dir"/kestrix_*_amd64.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$PWD/$dir"/kestrix_*_amd64.deb
