#!/usr/bin/env bash
# Builds the editor and its benchmarks (Release, in build-bench/), measures,
# and prints one table. ./dev bench runs this after installing what it needs.
#   bench/run.sh           the real measurement (a few minutes)
#   bench/run.sh --quick   a smoke run: every step once or twice, figures are noise
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${BENCH_BUILD_DIR:-build-bench}
QUICK=0
[ "${1:-}" = "--quick" ] && QUICK=1

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTORVANE_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" \
  --target torvane-edit torvane-edit-without-recovery torvane-bare torvane-paint-probe torvane-bench torvane-bench-report \
           torvane-cogcheck torvane-cog-scripts >/dev/null

OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
export QT_QPA_PLATFORM=offscreen
# Start-up reads an empty recent-file list of its own, not the user's.
export XDG_CONFIG_HOME="$OUT/config"
mkdir -p "$XDG_CONFIG_HOME"
# And an empty recovery folder of its own: start-up with no copies to offer.
export XDG_DATA_HOME="$OUT/data"
# It listens for later starts in a private folder of its own, not the user's.
export XDG_RUNTIME_DIR="$OUT/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

if [ "$QUICK" = 1 ]; then
  RUNS=3 ROUNDS=1 REPS=3 MIN_TIME=0.01
else
  RUNS=20 ROUNDS=4 REPS=10 MIN_TIME=0.5
fi

bin=$(cd "$BUILD" && pwd)
probe="$bin/bench/libtorvane-paint-probe.so"
run_logged() {  # name, command...: output to a log, shown when the step fails
  local name=$1; shift
  if ! "$@" >"$OUT/$name.log" 2>&1; then
    echo "bench: $name failed; its output:" >&2
    tail -n 30 "$OUT/$name.log" >&2
  fi
}

echo "bench: start-up and memory, $RUNS runs of each program in $ROUNDS rounds (hyperfine)..." >&2
bare="$bin/bench/torvane-bare"
editor="$bin/torvane-edit"
norecovery="$bin/bench/torvane-edit-without-recovery"
# Once each untimed, so that the first timed run finds the files cached.
LD_PRELOAD="$probe" "$bare" >/dev/null 2>&1 || true
LD_PRELOAD="$probe" "$editor" >/dev/null 2>&1 || true
LD_PRELOAD="$probe" "$norecovery" >/dev/null 2>&1 || true
# Rounds that take turns, so that a change in the machine's load meets both.
for round in $(seq 1 "$ROUNDS"); do
  run_logged "startup-$round" hyperfine -N --runs "$((RUNS / ROUNDS))" --ignore-failure --style basic \
    --export-json "$OUT/startup-$round.json" \
    --command-name bare "env LD_PRELOAD=$probe TORVANE_PROBE_OUT=$OUT/memory-bare.txt $bare" \
    --command-name editor "env LD_PRELOAD=$probe TORVANE_PROBE_OUT=$OUT/memory-editor.txt $editor" \
    --command-name editor-without-recovery "env LD_PRELOAD=$probe $norecovery"
done

echo "bench: handing a file to a running editor, $RUNS runs (hyperfine)..." >&2
# The probe ended the start-up runs without a tidy exit: their sockets are
# left behind, and the editor started here must be the one listening.
rm -f "$XDG_RUNTIME_DIR"/torvane-edit-*
printf 'handed\r\n' >"$OUT/handed.cog"
"$editor" >/dev/null 2>&1 &
receiver=$!
for _ in $(seq 1 300); do
  compgen -G "$XDG_RUNTIME_DIR/torvane-edit-*" >/dev/null && break
  sleep 0.1
done
# A start that is not taken in would stay up as an editor: timeout ends it,
# and its failure leaves the row without a figure. The floor is a start that
# only prints the version, under the same timeout.
timeout 10 "$editor" "$OUT/handed.cog" >/dev/null 2>&1 || true
run_logged handover hyperfine -N --runs "$RUNS" --style basic --export-json "$OUT/handover.json" \
  --command-name handover "timeout 10 $editor $OUT/handed.cog" \
  --command-name version "timeout 10 $editor --version"
kill "$receiver" 2>/dev/null || true
wait "$receiver" 2>/dev/null || true

echo "bench: torvane-cogcheck over 1000 generated scripts, $RUNS runs in $ROUNDS rounds (hyperfine)..." >&2
scripts="$OUT/cogscripts"
mkdir -p "$scripts"
"$bin/bench/torvane-cog-scripts" "$scripts" 1000 >"$OUT/cogscripts-bytes.txt"
cogcheck="$bin/torvane-cogcheck"
# The floor reads the same files in one process and counts their line ends.
floor="wc -l $(cd "$scripts" && ls | sed "s|^|$scripts/|" | tr '\n' ' ')"
if "$cogcheck" "$scripts" >"$OUT/cogcheck-once.log" 2>&1; then
  for round in $(seq 1 "$ROUNDS"); do
    run_logged "cogcheck-$round" hyperfine -N --runs "$((RUNS / ROUNDS))" --warmup 1 --style basic \
      --export-json "$OUT/cogcheck-$round.json" \
      --command-name floor "$floor" \
      --command-name cogcheck "$cogcheck $scripts"
  done
else
  echo "torvane-cogcheck found errors or warnings in the generated scripts: $(tail -n 1 "$OUT/cogcheck-once.log")" \
    >"$OUT/cogcheck-failed.txt"
fi

echo "bench: in-process figures, $REPS repetitions each (Google Benchmark)..." >&2
run_logged inprocess "$bin/bench/torvane-bench" --benchmark_repetitions="$REPS" --benchmark_min_time="$MIN_TIME" \
  --benchmark_report_aggregates_only=true --benchmark_out="$OUT/inprocess.json" --benchmark_out_format=json

echo >&2
quick=()
[ "$QUICK" = 1 ] && quick=(--quick)
echo "Torvane Edit benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$bin/bench/torvane-bench-report" "$OUT" "${quick[@]}"
