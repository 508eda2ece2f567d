#!/usr/bin/env bash
# Starts the window demo with the SDL backend on a virtual X display, clicks
# its grid with xdotool and checks that the click arrived and that the X
# screen shows the grid's pixels. Usage: window_demo_smoke.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
if [ -z "${KESTRIX_INNER:-}" ]; then
  export KESTRIX_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin" "$out"
fi

report="$out/window-demo-report.txt"
rm -f "$report"
KESTRIX_BACKEND=sdl "$bin/window-demo" --report "$report" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

if ! timeout 20 xdotool search --sync --onlyvisible --name "Kestrix window demo" >/dev/null; then
  echo "the demo window did not appear" >&2
  exit 1
fi
sleep 0.5

# The grid's first cell: window at (100, 100), 3-pixel frame with a 19-pixel
# caption, an 8-pixel margin and a 1-pixel edge.
x=$((100 + 3 + 8 + 1 + 10))
y=$((100 + 22 + 8 + 1 + 5))
xdotool mousemove "$x" "$y" click 1
for _ in $(seq 50); do
  grep -q '^click' "$report" 2>/dev/null && break
  sleep 0.1
done
if ! grep -q 'cell 1$' "$report"; then
  echo "the click did not reach the grid; report: $(cat "$report" 2>/dev/null)" >&2
  exit 1
fi

pixel=$("$bin/xshot" "$out/window-demo-x11.png" "$x" "$y")
if [ "$pixel" != "CCE8FF" ]; then
  echo "the X screen shows $pixel at ($x, $y), not the grid's first cell (CCE8FF)" >&2
  exit 1
fi
# The shaped window (an ellipse in 200 x 160 at (800, 120)): its teal inside
# shows, and its bounding box's corner shows the same screen as the empty
# place at (1100, 122) beside it.
shape=$("$bin/xshot" "$out/window-demo-shape.png" 830 200 802 122 1100 122 | tr '\n' ' ')
read -r inside corner beside <<<"$shape"
if [ "$inside" != "008080" ] || [ "$corner" != "$beside" ]; then
  echo "the shaped window is not shaped on the X screen: inside $inside, corner $corner, beside $beside" >&2
  exit 1
fi
echo "window demo: click reached the grid, screen pixel $pixel; the shaped window is an ellipse; screenshot $out/window-demo-x11.png"
