#!/usr/bin/env bash
# Installs the dependencies, builds the plug-in and installs the bundle into
# ~/.vst3, where Linux VST3 hosts look for it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
cmake --install build/release --prefix "$HOME/.vst3"
echo "installed: $HOME/.vst3/za Derazid.vst3"
