#!/usr/bin/env bash
# Builds and runs every test: the release build, the AddressSanitizer +
# UndefinedBehaviorSanitizer build, and the concurrency tests under
# ThreadSanitizer; then Ardour as the host of the release build.
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in release sanitize tsan; do
  echo "=== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" --label-exclude host
done

echo "=== host"
ctest --preset release --label-regex host
