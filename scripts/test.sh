#!/usr/bin/env bash
# Installs the packages that building and testing need where they are
# missing, then builds and runs every test: the release build, the
# AddressSanitizer + UndefinedBehaviorSanitizer build, and the concurrency
# tests under ThreadSanitizer, each with warnings as errors; then Ardour as the
# host of the release build. The window tests need an X display: without one,
# the script runs itself again under a virtual one. Where none can be had they
# are skipped, unless DERAZID_REQUIRE_DISPLAY is set (as CI does).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build test

if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash scripts/test.sh "$@"
fi

for preset in release sanitize tsan; do
  echo "=== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" --label-exclude host
done

echo "=== host"
ctest --preset release --label-regex host
