#!/usr/bin/env bash
# Ardour as the host: its VST3 scanner indexes the built bundle, its headless
# Lua interpreter records a signal, runs it through the plug-in, renders,
# saves and reloads the session, and hostcheck.py judges the results.
#
#   ardour_host_test.sh <bundle-dir> <work-dir>
#
# Everything runs in a throw-away HOME with its own XDG folders inside
# <work-dir> (emptied first, kept afterwards for inspection), so neither a
# developer's own Ardour set-up nor an earlier scan takes part. Exits 77
# (skipped) when Ardour 7 is not installed, unless DERAZID_REQUIRE_ARDOUR=1.
set -euo pipefail

readonly kSkipped=77

if [ $# -ne 2 ]; then
  echo "usage: $0 <bundle-dir> <work-dir>" >&2
  exit 2
fi
bundle=$(cd "$1" && pwd)
work=$2
here=$(cd "$(dirname "$0")" && pwd)

lua=$(command -v ardour7-lua || true)
exporter=$(command -v ardour7-export || true)
scanner=
for dir in /usr/lib/ardour7 /usr/local/lib/ardour7; do
  if [ -x "$dir/ardour-vst3-scanner" ]; then
    scanner=$dir/ardour-vst3-scanner
    break
  fi
done
if [ -z "$lua" ] || [ -z "$exporter" ] || [ -z "$scanner" ]; then
  if [ "${DERAZID_REQUIRE_ARDOUR:-0}" = 1 ]; then
    echo "FAIL: Ardour 7 (ardour7-lua, ardour7-export, ardour-vst3-scanner) is required but not installed" >&2
    exit 1
  fi
  echo "Ardour 7 is not installed (ardour7-lua, ardour7-export, ardour-vst3-scanner): host test skipped"
  exit "$kSkipped"
fi
command -v python3 >/dev/null || { echo "FAIL: python3 is needed to check the renders" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_DATA_HOME=$HOME/.local/share XDG_STATE_HOME=$HOME/.local/state
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME/.vst3" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" \
         "$work/renders"
ln -s "$bundle" "$HOME/.vst3/"

# Each run of an Ardour program may take this long; the whole test, with
# every retry, fits the CTest TIMEOUT (see tests/CMakeLists.txt).
readonly kStepLimit=60
readonly kAttempts=3   # of one step
readonly kRetries=4    # of the whole run
retries=0
project=$(cd "$here/../.." && pwd)
running=
trap 'if [ -n "$running" ]; then kill -KILL -- "-$running" 2>/dev/null || true; fi' EXIT

# Runs a command in a process group of its own for at most kStepLimit
# seconds. On expiry it writes the stacks of the command's threads to the
# file (when gdb is there), kills the group and answers 124.
run_limited () {
  local stacks=$1
  shift
  local pid timer ended status=0
  setsid "$@" &
  pid=$!
  running=$pid
  sleep "$kStepLimit" &
  timer=$!
  wait -n -p ended "$pid" "$timer" || status=$?
  if [ "$ended" = "$pid" ]; then
    kill "$timer" 2>/dev/null || true
    wait "$timer" 2>/dev/null || true
    running=
    return "$status"
  fi
  echo "no end within $kStepLimit s; the stacks of its threads:" >"$stacks"
  if command -v gdb >/dev/null; then
    timeout 30 gdb -nx -batch -iex "set debuginfod enabled off" -p "$pid" \
      -ex "thread apply all bt" >>"$stacks" 2>&1 || true
  else
    echo "(gdb is not installed)" >>"$stacks"
  fi
  kill -KILL -- "-$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  running=
  return 124
}

fail_step () {
  local name=$1 status=$2
  echo "FAIL: $name (exit $status); the end of $work/$name.log:"
  grep -a -v midnam "$work/$name.log" | tail -n 30
  exit 1
}

# Ardour 7.3 itself now and then aborts on a corrupted heap around an export,
# and its exporter now and then stops for good, the main thread waiting for
# the butler, which waits on a lock (both seen as often with no plug-in in
# the session at all, and more often under load). A step that Ardour ends
# with SIGABRT or SIGSEGV, or that runs out of time with no frame of the
# plug-in in its stacks, runs again from the session as it stood before, and
# says so: kAttempts times at most, kRetries retries in the whole run. A hang
# inside the plug-in, or any other failure, fails at once.
ardour_step () {
  local name=$1
  shift
  local attempt status started
  echo "=== $name"
  for attempt in $(seq 1 "$kAttempts"); do
    rm -rf "$work/session.before"
    if [ -d "$work/session" ]; then cp -a "$work/session" "$work/session.before"; fi
    status=0
    started=$SECONDS
    run_limited "$work/$name.hang$attempt.stacks" "$@" >"$work/$name.log" 2>&1 || status=$?
    if [ "$status" -eq 0 ]; then
      echo "done in $((SECONDS - started)) s"
      return
    fi
    if [ "$status" -eq 124 ]; then
      cp "$work/$name.log" "$work/$name.hang$attempt.log"
      if grep -a -E '^#[0-9]' "$work/$name.hang$attempt.stacks" |
         grep -q -F -e "za Derazid.so" -e " at $project/"; then
        echo "FAIL: $name hung inside the plug-in; see $work/$name.hang$attempt.stacks"
        exit 1
      fi
      echo "Ardour hung (no end within $kStepLimit s, attempt $attempt; stacks in $name.hang$attempt.stacks)"
    elif [ "$status" -eq 134 ] || [ "$status" -eq 139 ]; then
      cp "$work/$name.log" "$work/$name.crash$attempt.log"
      echo "Ardour crashed (exit $status, attempt $attempt): $(grep -a -v midnam "$work/$name.log" | tail -n 1)"
    else
      fail_step "$name" "$status"
    fi
    if [ "$retries" -ge "$kRetries" ]; then
      echo "FAIL: Ardour failed more than $kRetries times in this run"
      fail_step "$name" "$status"
    fi
    retries=$((retries + 1))
    rm -rf "$work/session"
    if [ -d "$work/session.before" ]; then mv "$work/session.before" "$work/session"; fi
  done
  fail_step "$name" "$status"
}

# Ardour trusts the scanner's index only while the module is older than the
# index by a whole second; a scan in the second that the build ended would
# leave the plug-in out of every session.
newest=$(find "$bundle/" -type f -printf '%T@\n' | sort -n | tail -n 1)
while [ "$(date +%s)" -le "${newest%.*}" ]; do sleep 0.2; done

# Ardour's own libraries lie beside the scanner.
ardour_step scan env LD_LIBRARY_PATH="$(dirname "$scanner")" \
  "$scanner" --verbose --force "$HOME/.vst3/$(basename "$bundle")"
grep -E "^\[[A-Za-z]+\]: (Class|Found|Skipping)" "$work/scan.log" || true
python3 "$here/hostcheck.py" scan "$work/scan.log" "$XDG_CACHE_HOME/ardour7/vst"

ardour_step record "$lua" "$here/ardour_session.lua" record "$work/session" "$work/facts"
grep -E "^saved" "$work/record.log"
# The effect render comes from the session itself, as the first run saved it.
for render in mix-zero:mix-zero bypass:bypass effect:derazid; do
  ardour_step "render-${render%%:*}" "$exporter" --bitdepth float \
    --output "$work/renders/${render%%:*}.wav" "$work/session" "${render#*:}"
done
ardour_step reload "$lua" "$here/ardour_session.lua" reload "$work/session"
grep -E "^(read back|saved)" "$work/reload.log"
ardour_step render-reloaded "$exporter" --bitdepth float \
  --output "$work/renders/reloaded.wav" "$work/session" reloaded

echo "=== renders"
python3 "$here/hostcheck.py" renders "$work/renders" "$work/facts"
