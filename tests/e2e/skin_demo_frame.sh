#!/usr/bin/env bash
# Starts the skin demo with the SDL backend on a virtual X display under a
# window manager and checks the skinned frame on the real screen: the top
# corners are cut by the skin's mask (the screen behind shows there), and
# dragging the caption moves the window; when the other window takes the focus the
# caption shows its inactive look, and a click brings the active one back; the
# same when a window of another program takes the focus and gives it back.
# Usage: skin_demo_frame.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
if [ -z "${KESTRIX_INNER:-}" ]; then
  export KESTRIX_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin" "$out"
fi

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
KESTRIX_BACKEND=sdl "$bin/skin-demo" &
pid=$!
other=
trap 'kill "$pid" "$wm" $other 2>/dev/null || true' EXIT

window=$(timeout 40 xdotool search --sync --onlyvisible --name '^Kestrix$' | head -n 1) || {
  echo "the skinned window did not appear" >&2
  exit 1
}
# The corner pixel shows what lies behind the window: the same as a point just
# above the window; the middle of the top edge is the frame's own. The window
# manager may still be placing the window, and the first frame may still be on
# its way: look again until the frame shows, for up to 10 s.
for _ in $(seq 20); do
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  read -r corner behind edge <<<"$("$bin/xshot" "$out/skin-demo-x11.png" "$X" "$Y" "$X" $((Y > 2 ? Y - 2 : Y + HEIGHT + 2)) $((X + WIDTH / 2)) $((Y + 1)) | tr '\n' ' ')"
  [ "$edge" != "$behind" ] && break
done
x0=$X
y0=$Y
if [ "$corner" != "$behind" ] || [ "$edge" == "$behind" ]; then
  echo "the frame is not shaped: corner $corner, behind $behind, top edge $edge; see $out/skin-demo-x11.png" >&2
  exit 1
fi

# Drag the caption bar by (60, 40).
xdotool mousemove $((X + 300)) $((Y + 12))
sleep 0.3
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((X + 300 + step * 10)) $((Y + 12 + step * 40 / 6))
  sleep 0.1
done
xdotool mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ $((X - x0)) -lt 50 ] || [ $((Y - y0)) -lt 30 ]; then
  echo "dragging the caption did not move the window: ($x0, $y0) -> ($X, $Y)" >&2
  exit 1
fi
"$bin/xshot" "$out/skin-demo-moved-x11.png" "$X" "$Y" >/dev/null
echo "skin demo: the frame is shaped (corner $corner) and the caption drag moved it from ($x0, $y0) to ($X, $Y)"

# Activation. A point of the caption bar left of its text: the red bar of the
# active window, the dark bar of an inactive one.
active_bar=CD263B
inactive_bar=29292F
bar_x=$((X + 88))
bar_y=$((Y + 6))
# Prints the bar's colour once it shows the expected one (or the last seen after 5 s).
wait_bar() {
  local seen
  for _ in $(seq 25); do
    seen=$("$bin/xshot" "$out/$2" "$bar_x" "$bar_y")
    [ "$seen" == "$1" ] && break
    sleep 0.2
  done
  echo "$seen"
}
seen=$(wait_bar "$active_bar" skin-demo-active-x11.png)
if [ "$seen" != "$active_bar" ]; then
  echo "the focused window's caption is $seen, not the active $active_bar" >&2
  exit 1
fi
plain=$(xdotool search --onlyvisible --name '^No skin$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$plain" | sed 's/^/PLAIN_/')"
xdotool mousemove $((PLAIN_X + PLAIN_WIDTH / 2)) $((PLAIN_Y + PLAIN_HEIGHT - 20)) click 1
seen=$(wait_bar "$inactive_bar" skin-demo-inactive-x11.png)
if [ "$seen" != "$inactive_bar" ]; then
  echo "behind the other window the caption is $seen, not the inactive $inactive_bar; see $out/skin-demo-inactive-x11.png" >&2
  exit 1
fi
xdotool mousemove $((X + 400)) $((Y + 300)) click 1
seen=$(wait_bar "$active_bar" skin-demo-reactivated-x11.png)
if [ "$seen" != "$active_bar" ]; then
  echo "a click did not bring the active caption back: $seen; see $out/skin-demo-reactivated-x11.png" >&2
  exit 1
fi
echo "skin demo: the caption turns inactive ($inactive_bar) behind the other window and active ($active_bar) after a click"

# A window of another program takes the focus: the caption turns inactive and
# no window of ours is active; a click on the skinned window, and the window
# manager switching back to it, bring the active one back. The window demo is
# the other program: a separate process whose window takes the keyboard when
# the window manager activates it.
plain_caption() { "$bin/xshot" "$out/$1" $((PLAIN_X + 150)) $((PLAIN_Y + 8)); }
plain_inactive=$(plain_caption skin-demo-plain-inactive-x11.png)
KESTRIX_BACKEND=sdl "$bin/window-demo" &
other=$!
other_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kestrix window demo$' | head -n 1)
if [ -z "$other_window" ]; then
  echo "the other program's window did not appear" >&2
  exit 1
fi
# Away from the skinned window's caption bar.
xdotool windowmove --sync "$other_window" 880 400
expect_bar() {
  seen=$(wait_bar "$1" "$2")
  if [ "$seen" != "$1" ]; then
    echo "$3: the caption is $seen, not $1; see $out/$2" >&2
    exit 1
  fi
}
xdotool windowactivate --sync "$other_window"
expect_bar "$inactive_bar" skin-demo-other-program-x11.png "behind another program's window"
plain_seen=$(plain_caption skin-demo-other-program-x11.png)
if [ "$plain_seen" != "$plain_inactive" ]; then
  echo "behind another program's window the plain window turned active ($plain_seen, inactive is $plain_inactive)" >&2
  exit 1
fi
xdotool mousemove $((X + 400)) $((Y + 300)) click 1
expect_bar "$active_bar" skin-demo-clicked-back-x11.png "after a click from another program's window"
xdotool windowactivate --sync "$other_window"
expect_bar "$inactive_bar" skin-demo-other-program-again-x11.png "behind another program's window again"
xdotool windowactivate --sync "$window"
expect_bar "$active_bar" skin-demo-switched-back-x11.png "after the window manager switched back"
echo "skin demo: another program's focus shows the inactive caption; a click and a switch back the active one"
