#!/usr/bin/env bash
# Starts the forms demo with the SDL backend on a virtual X display and checks
# that the whole window shows its picture as soon as it appears, before any
# input: no block of it may be left black. Usage: forms_demo_appears.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
if [ -z "${KESTRIX_INNER:-}" ]; then
  export KESTRIX_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin" "$out"
fi

KESTRIX_BACKEND=sdl "$bin/forms-demo" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name "Forms demo" | head -n 1) || {
  echo "the demo window did not appear" >&2
  exit 1
}
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
shot="$out/forms-demo-x11.png"
blocks=$("$bin/xshot" "$shot" --unpainted "$X" "$Y" "$WIDTH" "$HEIGHT")
if [ "$blocks" != "0" ]; then
  echo "$blocks blocks of the ${WIDTH}x${HEIGHT} window at ($X, $Y) are unpainted; see $shot" >&2
  exit 1
fi
echo "forms demo: the ${WIDTH}x${HEIGHT} window at ($X, $Y) is painted whole; screenshot $shot"
