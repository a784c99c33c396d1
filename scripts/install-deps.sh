#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the benchmark and the
# fuzzer need, and only those that are missing. Safe to run again: when
# everything is there it does nothing (not even apt-get update). Packages named
# as arguments are installed too (scripts/package.sh adds its tools so).
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
  pkg-config libgraphviz-dev nlohmann-json3-dev git
  xvfb xauth xdotool imagemagick
  fonts-comic-neue fonts-roboto-unhinted fonts-liberation fonts-dejavu-core
  clang libclang-rt-14-dev
  desktop-file-utils appstream go-md2man groff-base
  python3-jsonschema
  neovim tmux
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  at-spi2-core python3-pyatspi dbus-daemon
  "$@"
)

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for package in "${PACKAGES[@]}"; do
  is_installed "$package" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root or install sudo" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
