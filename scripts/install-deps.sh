#!/usr/bin/env bash
# Installs the Debian 12 packages of the named sets that are not installed yet:
#   build  what building the plug-in needs
#   test   what the tests and the benchmarks need besides
# For example: scripts/install-deps.sh build test
set -euo pipefail

build_packages=(
  build-essential cmake pkg-config
  juce-modules-source-data   # the VST3 SDK sources the build compiles
  libexpat1-dev              # UI description parsing
  libxcb1-dev libcairo2-dev libpango1.0-dev  # the editor's window, drawing and text
  fonts-dejavu-core          # the editor's font
)

test_packages=(
  libgtest-dev googletest libbenchmark-dev
  libx11-dev libxtst-dev xvfb xauth  # window tests: a host's windows, input, a display
  zam-plugins libglx-mesa0 libgl1-mesa-dri  # a known-good editor that checks the test host
  ardour python3 gdb         # the host test: Ardour's headless tools, the render checks,
                             # the stacks of a hung Ardour run
)

if [ $# -eq 0 ]; then
  echo "usage: install-deps.sh build|test..." >&2
  exit 2
fi

packages=()
for set in "$@"; do
  case "$set" in
    build) packages+=("${build_packages[@]}") ;;
    test) packages+=("${test_packages[@]}") ;;
    *) echo "install-deps: no package set '$set' (build, test)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${db:Status-Status}\n' "$package" 2>/dev/null | grep -qx installed; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: the $* packages are installed"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: run as root or install sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
