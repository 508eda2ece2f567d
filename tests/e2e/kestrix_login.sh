#!/usr/bin/env bash
# The real client with SDL on a virtual X display under a window manager,
# against the real demo service, driven by xdotool: the window appears centred
# and shaped; typing demo / demo and pressing Enter in the password field fills
# the table; a click on a row fills the detail panel; Ctrl+C copies the match and
# Ctrl+Shift+C the table to the X clipboard; F5 fetches the feed again and the
# table changes; a caption drag moves the window; the close button ends the
# process. Usage: kestrix_login.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
if [ -z "${KESTRIX_INNER:-}" ]; then
  export KESTRIX_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin" "$out"
fi

work=$(mktemp -d)
log="$work/service.log"
openbox >/dev/null 2>&1 &
wm=$!
# The window manager takes over the screen before any window comes: a window
# mapped while it starts up may be caught half-managed.
for _ in $(seq 50); do
  xdotool getactivewindow >/dev/null 2>&1 && break
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
sleep 0.5
"$bin/kestrix-demo-service" --port 0 >"$log" 2>&1 &
service=$!
client=""
trap 'kill $client "$service" "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
address=""
for _ in $(seq 100); do
  address=$(sed -n 's#^listening on http://\([^/]*\)/.*#\1#p' "$log" | head -n 1)
  [ -n "$address" ] && break
  sleep 0.1
done
[ -n "$address" ] || { echo "the demo service did not start" >&2; exit 1; }

# The client runs in an empty directory: no remembered credentials.
(cd "$work" && KESTRIX_BACKEND=sdl KESTRIX_SERVICE_HOST="$address" exec "$bin/kestrix") &
client=$!
window=$(timeout 40 xdotool search --sync --onlyvisible --name '^Kestrix$' | head -n 1) || {
  echo "the client window did not appear" >&2
  exit 1
}
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ "$WIDTH" != 813 ] || [ "$HEIGHT" != 634 ]; then
  echo "the window is ${WIDTH}x${HEIGHT}, not 813x634" >&2
  exit 1
fi
centre=$(((1280 - WIDTH) / 2))
if [ $((X - centre)) -gt 10 ] || [ $((centre - X)) -gt 10 ]; then
  echo "the window is not centred: x $X, centred would be $centre" >&2
  exit 1
fi
read -r corner behind <<<"$("$bin/xshot" "$out/kestrix-start.png" "$X" "$Y" $((X > 3 ? X - 3 : X + WIDTH + 3)) "$Y" | tr '\n' ' ')"
if [ "$corner" != "$behind" ]; then
  echo "the window is not shaped: its corner shows $corner, the screen beside it $behind" >&2
  exit 1
fi

# The page's origin on the screen: the frame's client area at (5, 30), the page area at (2, 20).
px=$((X + 7))
py=$((Y + 50))
click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.2; }
click $((px + 500)) $((py + 289))
xdotool type --delay 30 demo
click $((px + 500)) $((py + 354))
xdotool type --delay 30 demo
# Enter in the password field logs in.
xdotool key Return

# The match table: its first row's odds cells are light blue.
found=""
for _ in $(seq 50); do
  sleep 0.2
  pixels=$("$bin/xshot" "$out/kestrix-table.png" $((px + 355)) $((py + 47)) $((px + 390)) $((py + 47)) $((px + 425)) $((py + 47)) | tr '\n' ' ')
  case "$pixels" in *55AAFF*) found=yes; break ;; esac
done
if [ -z "$found" ]; then
  echo "the match table did not fill: pixels $pixels; see $out/kestrix-table.png" >&2
  exit 1
fi

# A click on the fifth row fills the detail strip below the table.
before=$("$bin/xshot" "$out/kestrix-before-click.png" $((px + 300)) $((py + 466)))
click $((px + 250)) $((py + 39 + 4 * 17 + 6))
sleep 0.5
after=$("$bin/xshot" "$out/kestrix-details.png" $((px + 300)) $((py + 466)))
if [ "$before" == "$after" ]; then
  echo "the detail strip did not change ($before); see $out/kestrix-details.png" >&2
  exit 1
fi

# Ctrl+C copies the selected match: the visible columns' headers, then its texts.
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
xdotool key ctrl+c
sleep 0.5
copied=$(clipboard)
lines=$(printf '%s\n' "$copied" | wc -l)
header=$(printf '%s\n' "$copied" | head -n 1)
fields=$(printf '%s\n' "$copied" | tail -n 1 | awk -F '\t' '{print NF}')
if [ "$lines" != 2 ] || [ "$header" != "$(printf 'Fl\tTime\tHome\tAway\t1\tX\t2\t1\tX\t2\t0.5\t1.5\t2.5\tBTTS\tPrecent')" ] || [ "$fields" != 15 ]; then
  echo "Ctrl+C did not copy the match as two lines of 15 fields: $copied" >&2
  exit 1
fi
printf '%s\n' "$copied" >"$out/kestrix-copied-match.txt"

# Ctrl+Shift+C copies the whole table; F5 fetches the feed again, whose odds have moved.
feeds() { grep -c 'GET /login/kestrix.php' "$log" || true; }
xdotool key ctrl+shift+c
sleep 0.5
before=$(clipboard)
rows=$(printf '%s\n' "$before" | wc -l)
if [ "$rows" -lt 11 ]; then
  echo "Ctrl+Shift+C did not copy the table: $rows lines" >&2
  exit 1
fi
requests=$(feeds)
xdotool key F5
for _ in $(seq 50); do
  [ "$(feeds)" -gt "$requests" ] && break
  sleep 0.1
done
if [ "$(feeds)" -le "$requests" ]; then
  echo "F5 sent no feed request ($requests before)" >&2
  exit 1
fi
sleep 0.5
xdotool key ctrl+shift+c
sleep 0.5
after=$(clipboard)
if [ "$(printf '%s\n' "$after" | wc -l)" != "$rows" ] || [ "$after" == "$before" ]; then
  echo "F5 did not change the table: $rows lines before, $(printf '%s\n' "$after" | wc -l) after" >&2
  exit 1
fi
"$bin/xshot" "$out/kestrix-reloaded.png" "$px" "$py" >/dev/null

# A caption drag moves the window.
xdotool mousemove $((X + 300)) $((Y + 12))
sleep 0.2
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((X + 300 + step * 5)) $((Y + 12 + step * 5))
  sleep 0.1
done
xdotool mouseup 1
sleep 0.5
x0=$X
y0=$Y
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ $((X - x0)) -lt 20 ] || [ $((Y - y0)) -lt 20 ]; then
  echo "the caption drag did not move the window: ($x0, $y0) -> ($X, $Y)" >&2
  exit 1
fi

# The close button ends the program.
xdotool mousemove $((X + 792)) $((Y + 13))
sleep 0.3
xdotool click 1
for _ in $(seq 50); do
  kill -0 "$client" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$client" 2>/dev/null; then
  echo "the close button did not end the client" >&2
  exit 1
fi
echo "kestrix: centred and shaped window, demo / demo and Enter filled the table, a row filled the details, Ctrl+C copied it, F5 sent feed request $(feeds) and changed the table of $((rows - 1)) matches, the caption drag moved it, the close button ended it; screenshots in $out"
