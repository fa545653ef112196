#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  juce-modules-source-data   # the VST3 SDK sources the build compiles
  libexpat1-dev              # UI description parsing
  libgtest-dev googletest libbenchmark-dev
  ardour python3             # the host test: Ardour's headless tools, the render checks
)

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: run as root or install sudo" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
