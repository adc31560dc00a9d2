#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing; then, when
# given make targets ("run", "test"), builds them. It needs nothing but a minimal Debian 12
# (bash, apt, coreutils), as root or as a user who may use sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(
  build-essential make cmake pkg-config binutils
  qt6-base-dev qt6-qpa-plugins qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fontconfig fonts-liberation fonts-dejavu-extra xdg-utils
  python3 python3-dateutil
  libsword-utils sword-text-kjv sword-text-web
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run this as root, or install sudo: it installs Debian packages." >&2; exit 1; }
    sudo=sudo
  fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
(($#)) && exec make "$@"
exit 0
