#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: when everything is there it prints nothing and changes nothing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-multimedia-dev libgl-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core poppler-utils
  desktop-file-utils dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "Root rights are needed to install: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
