#!/usr/bin/env bash
# Runs the project's .clang-tidy over the C++ sources, for a developer before a
# change is submitted (CI does not run it). Usage:
#   bash scripts/lint.sh            the sources that the change touches (against HEAD)
#   bash scripts/lint.sh --all      every source
#   bash scripts/lint.sh FILE...    the named files
# It needs a configured build/ (compile_commands.json), which the test command makes.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-tidy >/dev/null; then
  echo "clang-tidy is missing: apt-get install clang-tidy" >&2
  exit 2
fi
if [ ! -f build/compile_commands.json ]; then
  echo "build/compile_commands.json is missing: configure the build first (bash scripts/test.sh)" >&2
  exit 2
fi

if [ "${1:-}" = "--all" ]; then
  mapfile -t files < <(find app grid net platform skin tools -name '*.cpp' 2>/dev/null | sort)
elif [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <( { git diff --name-only HEAD; git ls-files --others --exclude-standard; } |
    grep -E '\.cpp$' | sort -u | while read -r f; do [ -f "$f" ] && echo "$f"; done)
fi
if [ ${#files[@]} -eq 0 ]; then
  echo "lint: no C++ source to check"
  exit 0
fi
echo "lint: ${#files[@]} files"
status=0
for f in "${files[@]}"; do
  clang-tidy -p build --quiet --warnings-as-errors='*' --extra-arg=-Wno-unknown-warning-option "$f" 2>/dev/null || status=1
done
exit $status
