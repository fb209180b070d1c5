#!/usr/bin/env bash
# Installs the Debian packages the build needs, when run as root and something is missing.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qt6-base-dev libgtest-dev libbenchmark-dev libcli11-dev libspng-dev desktop-file-utils dpkg-dev qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
  else
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
  fi
fi
