#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo service on a free loopback
# port and runs the client against it; the service stops when the window
# closes. Without a display it runs the headless tour instead and prints where
# its pictures are. Arguments go to the demo service (--matches N,
# --version-status 404 to see the update path, --seed S).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target kestrix kestrix-demo-service kestrix-tour

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  out=build/tour
  echo "No display here: running the headless tour instead."
  matches=300
  if [ "${1:-}" = "--matches" ] && [ -n "${2:-}" ]; then matches=$2; fi
  build/bin/kestrix-tour "$out" --matches "$matches" >/dev/null
  echo "The tour's pictures and its report are in $out/ (tour.txt lists them)."
  exit 0
fi

log=$(mktemp)
build/bin/kestrix-demo-service --port 0 "$@" >"$log" 2>&1 &
service=$!
trap 'kill "$service" 2>/dev/null || true; rm -f "$log"' EXIT
address=""
for _ in $(seq 100); do
  address=$(sed -n 's#^listening on http://\([^/]*\)/.*#\1#p' "$log" | head -n 1)
  [ -n "$address" ] && break
  if ! kill -0 "$service" 2>/dev/null; then
    echo "The demo service did not start:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "$address" ]; then
  echo "The demo service did not say where it listens." >&2
  exit 1
fi
echo "Demo service at http://$address/ - log in as demo / demo"
KESTRIX_SERVICE_HOST="$address" build/bin/kestrix
