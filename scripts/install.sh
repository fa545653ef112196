#!/usr/bin/env bash
# Installs the packages that building the plug-in needs (none of the test
# tools), builds the plug-in alone in build/plugin and installs the bundle
# into ~/.vst3, where Linux VST3 hosts look for it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake --preset plugin
cmake --build --preset plugin
cmake --install build/plugin
echo "installed: $HOME/.vst3/za Derazid.vst3"
