#!/bin/sh
# Starts the installed editor from an unrelated working directory and checks
# that it keeps running and makes its own folder the working directory.
# Usage: check-installed-start.sh PREFIX
set -eu
prefix=$1
program="$prefix/bin/torvane-edit"
[ -x "$program" ] || { echo "FAIL: $program is not installed" >&2; exit 1; }

# An installed copy must not reach back into the build folder for libraries.
if readelf -d "$program" | grep -E 'RPATH|RUNPATH'; then
  echo "FAIL: the installed program carries a library search path" >&2
  exit 1
fi

scratch=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir "$scratch/elsewhere" "$scratch/home"
mkdir -m 700 "$scratch/runtime"

# Its settings, recovery copies and listening socket stay in the scratch folder.
(cd "$scratch/elsewhere" &&
 HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
 XDG_RUNTIME_DIR="$scratch/runtime" exec "$program") >"$scratch/log" 2>&1 &
pid=$!

want=$(cd "$prefix/bin" && pwd -P)
i=0
while [ $i -lt 100 ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the installed program ended on its own; its output:" >&2
    cat "$scratch/log" >&2
    pid=
    exit 1
  fi
  cwd=$(readlink "/proc/$pid/cwd" || true)
  if [ "$cwd" = "$want" ]; then
    # Still running a moment later: start-up went through.
    sleep 0.5
    if kill -0 "$pid" 2>/dev/null; then
      echo "installed program runs with working directory $cwd"
      exit 0
    fi
  fi
  sleep 0.1
  i=$((i + 1))
done
echo "FAIL: working directory stayed '$cwd', expected '$want'; output:" >&2
cat "$scratch/log" >&2
exit 1
