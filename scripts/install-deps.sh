#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: packages that are already present are left alone.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev fontconfig fonts-liberation2 fonts-dejavu-core
  zlib1g-dev libjpeg-dev libpng-dev libsdl2-dev libx11-dev libxext-dev libcurl4-openssl-dev
  libcpp-httplib-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth xdotool openbox curl python3 locales xclip
  dpkg-dev fakeroot file desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A single-byte locale lets the code-page tests cover the iconv path.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.cp1251$'; then
  localedef -i ru_RU -f CP1251 ru_RU.CP1251 >/dev/null 2>&1 || true
fi
