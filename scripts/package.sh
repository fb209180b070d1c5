#!/usr/bin/env bash
# Builds the Debian package build/voktool_<version>_amd64.deb (installs what is missing, as root).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build -j "$(nproc)" --target voktool vokcli
(cd build && cpack -G DEB)
