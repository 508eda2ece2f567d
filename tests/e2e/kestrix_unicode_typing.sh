#!/usr/bin/env bash
# The real client with SDL on a virtual X display under a window manager:
# xdotool types a login and a password with two-, three- and four-byte
# characters, LOGIN is clicked, and a scripted service on 127.0.0.1 records the
# login request. The percent-encoded fields on the wire must be exactly the
# UTF-8 bytes that were typed. Usage: kestrix_unicode_typing.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
if [ -z "${KESTRIX_INNER:-}" ]; then
  export KESTRIX_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin" "$out"
fi

login='démo€日'
password='pä ss😀'
expected_login='d%C3%A9mo%E2%82%AC%E6%97%A5'
expected_password='p%C3%A4%20ss%F0%9F%98%80'

work=$(mktemp -d)
requests="$work/requests.log"
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
sleep 0.5

# The service serves the version file and refuses every login, writing the
# request target of each call to the log.
cat >"$work/service.py" <<'EOF'
import http.server, sys
log = open(sys.argv[1], "a", buffering=1)
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        log.write(self.path + "\n")
        body = b"Kestrix 3.6\r\n" if self.path.startswith("/refresh/") else b"Login Failed\r\n"
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
EOF
python3 "$work/service.py" "$requests" >"$work/port" &
service=$!
client=""
trap 'kill $client "$service" "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
port=""
for _ in $(seq 100); do
  port=$(head -n 1 "$work/port" 2>/dev/null || true)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "the scripted service did not start" >&2; exit 1; }

# xdotool types a character the keyboard lacks by mapping it onto a spare key
# for a moment; on a loaded machine the client may read such a key after the
# mapping is gone and see no character at all. Each character is therefore
# typed on its own with time to settle, and a run that lost a character (never
# one that changed bytes) is tried again, up to three times.
type_slowly() {
  local text=$1 i
  for ((i = 0; i < ${#text}; i++)); do
    xdotool type --delay 100 "${text:i:1}"
    sleep 0.3
  done
}

want="/login/kestrix.php?login=$expected_login&pass=$expected_password"
attempt() {
  : >"$requests"
  (cd "$work" && KESTRIX_BACKEND=sdl KESTRIX_SERVICE_HOST="127.0.0.1:$port" exec "$bin/kestrix") &
  client=$!
  window=$(timeout 40 xdotool search --sync --onlyvisible --name '^Kestrix$' | head -n 1) || {
    echo "the client window did not appear" >&2
    exit 1
  }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The page's origin on the screen: the frame's client area at (5, 30), the page area at (2, 20).
  local px=$((X + 7)) py=$((Y + 50))
  click $((px + 500)) $((py + 289))
  type_slowly "$login"
  sleep 1
  click $((px + 500)) $((py + 354))
  sleep 0.5
  type_slowly "$password"
  sleep 0.5
  "$bin/xshot" "$out/kestrix-unicode-typed.png" "$X" "$Y" >/dev/null || true
  click $((px + 552)) $((py + 428))
  line=""
  for _ in $(seq 100); do
    line=$(grep '^/login/' "$requests" 2>/dev/null | head -n 1 || true)
    [ -n "$line" ] && break
    sleep 0.1
  done
  kill "$client" 2>/dev/null || true
  wait "$client" 2>/dev/null || true
  client=""
  if [ -z "$line" ]; then
    echo "no login request reached the service; see $out/kestrix-unicode-typed.png" >&2
    exit 1
  fi
}

click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.2; }
for try in 1 2 3; do
  attempt
  [ "$line" == "$want" ] && break
  # Only a lost character earns another try: the bytes that did arrive must be
  # exactly the typed ones, in order.
  echo "try $try sent $line" >&2
  sent_login=${line#*login=}
  sent_login=${sent_login%%&pass=*}
  sent_password=${line#*&pass=}
  lost_only=yes
  for pair in "$sent_login:$expected_login" "$sent_password:$expected_password"; do
    got=${pair%%:*}
    full=${pair#*:}
    # Every %XX group and plain character sent must appear in order in the expected field.
    rest=$full
    while [ -n "$got" ]; do
      if [ "${got:0:1}" = "%" ]; then unit=${got:0:3}; else unit=${got:0:1}; fi
      got=${got:${#unit}}
      case "$rest" in
        *"$unit"*) rest=${rest#*"$unit"} ;;
        *) lost_only=no ;;
      esac
    done
  done
  if [ "$lost_only" != yes ]; then break; fi
done
if [ "$line" != "$want" ]; then
  echo "the typed text arrived changed:" >&2
  echo "  sent     $line" >&2
  echo "  expected $want" >&2
  exit 1
fi
echo "kestrix: \"$login\" and \"$password\" typed under X arrived byte for byte: $line"
