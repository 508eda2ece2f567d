#!/usr/bin/env bash
# Runs the README's two commands as a new user would: in a fresh minimal Debian
# bookworm root (debootstrap) holding a clean clone of this repository's HEAD,
# under chroot with /proc, /dev and /sys mounted. Reports each command's exit
# status and wall time; the logs stay in the root's /var/log/kestrix-*.log
# until the root is removed at the end (KEEP_ROOT=1 keeps it).
# Needs root, and Debian's package registry for debootstrap and for the
# packages the commands install.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

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
cleanup() {
  for m in sys dev/pts dev proc; do
    mountpoint -q "$root/$m" && umount -l "$root/$m" || true
  done
  if [ -z "${KEEP_ROOT:-}" ]; then rm -rf "$root"; else echo "fresh-check: root kept at $root"; fi
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

cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/work"
git clone -q "$top" "$root/work/kestrix"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t sysfs sysfs "$root/sys"

overall=0
run_in_root() {
  local name=$1 command=$2
  local log="/var/log/kestrix-$name.log"
  local begin status
  begin=$(date +%s)
  set +e
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 /bin/bash -c "cd /work/kestrix && $command" >"$root$log" 2>&1
  status=$?
  set -e
  local seconds=$(($(date +%s) - begin))
  printf 'fresh-check: %-22s exit %d after %d m %02d s\n' "$command" "$status" $((seconds / 60)) $((seconds % 60))
  if [ "$status" -ne 0 ]; then
    tail -n 30 "$root$log"
    overall=1
  fi
}
run_in_root test "bash scripts/test.sh"
run_in_root run "bash scripts/run.sh"
exit $overall
