#!/usr/bin/env bash
# What scripts/install-deps.sh asks apt for, against a pretend package
# database: the build set holds none of the test tools, only missing packages
# are requested, and nothing is asked of apt when all are present.
# Usage: install_deps_test.sh <install-deps.sh> <scratch folder>
set -euo pipefail

script=$1
work=$2
rm -rf "$work"
mkdir -p "$work/bin"

# dpkg-query answers from the list in $work/installed; apt-get and sudo
# record what they were asked.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
package=${!#}
if grep -qx "$package" "$FAKE_ROOT/installed"; then
  echo installed
else
  echo "dpkg-query: no packages found matching $package" >&2
  exit 1
fi
EOF
cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "$*" >>"$FAKE_ROOT/apt.log"
EOF
cat >"$work/bin/sudo" <<'EOF'
#!/usr/bin/env bash
exec "$@"
EOF
chmod +x "$work/bin/"*
export FAKE_ROOT=$work PATH="$work/bin:$PATH"

fail () { echo "FAIL: $*" >&2; exit 1; }

# Runs install-deps.sh with the given sets; the packages it had installed
# end up in $requested, one a line.
run () {
  : >"$work/apt.log"
  bash "$script" "$@" >"$work/out.log" 2>&1 || fail "install-deps.sh $* failed: $(cat "$work/out.log")"
  requested=$(grep '^install ' "$work/apt.log" | tr ' ' '\n' | grep -v '^-' | grep -vx install | sort || true)
}

: >"$work/installed"
run build
build_set=$requested
grep -qx 'update' "$work/apt.log" || fail "no apt-get update before installing"

run test
test_set=$requested
for tool in libgtest-dev libbenchmark-dev xvfb zam-plugins ardour python3; do
  grep -qx "$tool" <<<"$test_set" || fail "the test set lacks $tool"
  ! grep -qx "$tool" <<<"$build_set" || fail "the build set installs the test tool $tool"
done
[ -z "$(comm -12 <(echo "$build_set") <(echo "$test_set"))" ] || fail "the sets overlap"

# With the build set present, building and testing asks for the test set only.
echo "$build_set" >"$work/installed"
run build test
[ "$requested" = "$test_set" ] || fail "asked for '$requested' with the build set present"

# With everything present apt is left alone, not even updated.
printf '%s\n' "$build_set" "$test_set" >"$work/installed"
run build test
[ ! -s "$work/apt.log" ] || fail "apt-get called with everything present: $(cat "$work/apt.log")"

if bash "$script" nonsense >/dev/null 2>&1; then fail "an unknown set was accepted"; fi
if bash "$script" >/dev/null 2>&1; then fail "no set was accepted"; fi
echo "install-deps: all checks passed"
