#!/usr/bin/env bash
# Installs whatever the build, the tests and the program need and is missing.
# Debian packages, through apt-get (with sudo when not root).
set -euo pipefail

packages=(
  build-essential cmake g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins
  fonts-liberation fonts-dejavu-core poppler-utils zlib1g-dev
  dpkg-dev file
  xvfb xauth dbus-x11 at-spi2-core python3-pyatspi xdotool
)
if [[ ${QUORLE_SETUP_EXTRA:-} != "" ]]; then
  # shellcheck disable=SC2206
  packages+=(${QUORLE_SETUP_EXTRA})
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
((${#missing[@]} == 0)) && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
