#!/usr/bin/env bash
# Installs every Debian package Tessivane needs to build, test and run; does nothing when all are present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libicu-dev libpcre2-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  fonts-arphic-uming
  clang-format clang valgrind time libclang-rt-14-dev xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
# A fresh machine may have empty package lists: refresh them when a package is not known yet.
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
