#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config binutils
  qt6-base-dev qt6-qpa-plugins
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fontconfig fonts-liberation
  python3 python3-dateutil
  libsword-utils sword-text-kjv sword-text-web
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
