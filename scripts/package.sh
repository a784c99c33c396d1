#!/usr/bin/env bash
# Builds the Debian package: installs what is missing (with the tools CPack
# needs to find the package's dependencies), builds the release configuration
# without tests or benchmarks, and runs CPack. The package's path is the last
# line printed; install it with `sudo apt install ./FILE.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh dpkg-dev file

build=build/package
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DRULES_EDITOR_BUILD_TESTS=OFF \
  -DRULES_EDITOR_BUILD_BENCH=OFF
cmake --build "$build"

rm -rf "$build/deb"
cpack --config "$build/CPackConfig.cmake" -B "$build/deb"

deb=$(find "$build/deb" -maxdepth 1 -name '*.deb' | head -n 1)
if [ -z "$deb" ]; then
  echo "package: CPack made no .deb" >&2
  exit 1
fi
realpath "$deb"
