#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  juce-modules-source-data   # the VST3 SDK sources the build compiles
  libexpat1-dev              # UI description parsing
  libxcb1-dev libcairo2-dev libpango1.0-dev  # the editor's window, drawing and text
  fonts-dejavu-core          # the editor's font
  libgtest-dev googletest libbenchmark-dev
  libx11-dev libxtst-dev xvfb xauth  # window tests: a host's windows, input, a display
  zam-plugins libglx-mesa0 libgl1-mesa-dri  # a known-good editor that checks the test host
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
