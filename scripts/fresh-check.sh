#!/usr/bin/env bash
# Runs the README's two commands as a new user would: in a fresh minimal Debian
# bookworm root (debootstrap) holding a clean clone of this repository's HEAD,
# under chroot with /proc, /dev and /sys mounted. Then builds the Debian package
# there (scripts/package.sh), installs it into a second fresh root with
# `apt-get install ./kestrix_*.deb` and runs the installed programs: `kestrix
# --version`, `kestrix` without a display (status 2) and `kestrix-demo-service
# --port 0` answering the version file. Reports each step's exit status and
# wall time; the logs stay in the roots' /var/log/kestrix-*.log until the roots
# are removed at the end (KEEP_ROOT=1 keeps them).
# With --package FILE.deb only the second part runs, on that package.
# Needs root, and Debian's package registry for debootstrap and for the
# packages the commands install.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

package_only=""
if [ "${1:-}" = "--package" ]; then
  package_only=$(realpath "${2:?fresh-check: --package needs a .deb file}")
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-check: run it as root (debootstrap and chroot need it)" >&2
  exit 2
fi
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap >/dev/null
fi

# The same mirror the machine's own package lists use.
mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
if [ -z "$mirror" ]; then
  mirror=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
fi
if [ -z "$mirror" ]; then
  echo "fresh-check: no Debian mirror found in the apt sources" >&2
  exit 2
fi

root=$(mktemp -d /var/tmp/kestrix-fresh.XXXXXX)
second="$root-package"
cleanup() {
  for r in "$root" "$second"; do
    for m in sys dev/pts dev proc; do
      mountpoint -q "$r/$m" && umount -l "$r/$m" || true
    done
  done
  if [ -z "${KEEP_ROOT:-}" ]; then
    rm -rf "$root" "$second"
  else
    echo "fresh-check: roots kept at $root and $second"
  fi
}
trap cleanup EXIT

echo "fresh-check: making a minimal bookworm root in $root"
start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
  tail -n 20 "$root.debootstrap.log"
  exit 1
}
rm -f "$root.debootstrap.log"
echo "fresh-check: root ready in $(($(date +%s) - start)) s"
# The second root is the same fresh system, untouched by the first one's builds.
cp -a "$root" "$second"

mount_system() {
  cp /etc/resolv.conf "$1/etc/resolv.conf"
  mount -t proc proc "$1/proc"
  mount --bind /dev "$1/dev"
  mount --bind /dev/pts "$1/dev/pts"
  mount -t sysfs sysfs "$1/sys"
}
overall=0
# run_in_root ROOT NAME EXPECTED_STATUS COMMAND: runs COMMAND in /work/kestrix of ROOT.
run_in_root() {
  local where=$1 name=$2 expected=$3 command=$4
  local log
  log="/var/log/kestrix-$(printf '%s' "$name" | tr -c 'A-Za-z0-9.' '-').log"
  local begin status
  mkdir -p "$where/work/kestrix"
  begin=$(date +%s)
  set +e
  chroot "$where" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 /bin/bash -c "cd /work/kestrix || exit 1; $command" >"$where$log" 2>&1
  status=$?
  set -e
  local seconds=$(($(date +%s) - begin))
  printf 'fresh-check: %-40s exit %d after %d m %02d s\n' "$name" "$status" $((seconds / 60)) $((seconds % 60))
  if [ "$status" -ne "$expected" ]; then
    echo "fresh-check: $name should end with status $expected" >&2
    tail -n 30 "$where$log"
    overall=1
  else
    tail -n 3 "$where$log" | sed 's/^/    /'
  fi
}
if [ -z "$package_only" ]; then
  mkdir -p "$root/work"
  git clone -q "$top" "$root/work/kestrix"
  mount_system "$root"
  run_in_root "$root" "bash scripts/test.sh" 0 "bash scripts/test.sh"
  run_in_root "$root" "bash scripts/run.sh" 0 "bash scripts/run.sh"
  run_in_root "$root" "bash scripts/package.sh" 0 "bash scripts/package.sh"
fi

# The package in a second fresh root, installed as a user would install it.
deb=$package_only
[ -n "$deb" ] || deb=$(ls "$root"/work/kestrix/build-package/kestrix_*_amd64.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
  echo "fresh-check: no package was built" >&2
  exit 1
fi
mkdir -p "$second/work/kestrix"
cp "$deb" "$second/work/kestrix/"
mount_system "$second"
run_in_root "$second" "apt-get install ./$(basename "$deb")" 0 \
  "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./$(basename "$deb")"
run_in_root "$second" "kestrix --version" 0 "kestrix --version"
run_in_root "$second" "kestrix without a display" 2 "env -u DISPLAY -u WAYLAND_DISPLAY kestrix"
run_in_root "$second" "kestrix-demo-service --port 0" 0 '
  kestrix-demo-service --port 0 >service.log 2>&1 &
  service=$!
  for _ in $(seq 50); do
    address=$(sed -n "s#^listening on http://\([^:]*\):\([0-9]*\)/.*#\1 \2#p" service.log)
    [ -n "$address" ] && break
    sleep 0.1
  done
  read -r host port <<<"$address"
  exec 3<>"/dev/tcp/$host/$port"
  printf "GET /refresh/kestrix3.6.txt HTTP/1.0\r\nHost: %s\r\n\r\n" "$host" >&3
  answer=$(cat <&3)
  kill "$service"
  printf "%s\n" "$answer" | head -n 1
  case "$answer" in "HTTP/1.1 200"*"Kestrix 3.6"*) echo "the version file answered" ;; *) exit 1 ;; esac'
exit $overall
