#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what clang-format makes
# of it (.clang-format). With --fix it formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(find app bench grid net platform skin tests tools -type f \
  \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${sources[@]}"
  exit 0
fi
if ! clang-format --dry-run -Werror "${sources[@]}"; then
  echo "Sources differ from .clang-format; run: bash scripts/format-check.sh --fix" >&2
  exit 1
fi
echo "format: ${#sources[@]} sources match .clang-format"
