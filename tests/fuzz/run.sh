#!/usr/bin/env bash
# Builds the COG library's fuzz target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs it for SECONDS (600 by
# default). Every input it finds (crash, leak, time-out, slow unit) is written
# into tests/cog/regressions/, which ./dev test feeds through the library.
#   tests/fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."

SECONDS_TO_RUN=${1:-600}
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$BUILD/obj" "$BUILD/corpus"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)

# The library's files, each compiled when it changed.
objects=()
for src in src/cog/*.cpp; do
  obj="$BUILD/obj/$(basename "${src%.cpp}").o"
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find src/cog -name '*.h' -newer "$obj")" ]; then
    clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done
clang++ "${flags[@]}" tests/fuzz/cog_fuzz.cpp "${objects[@]}" -o "$BUILD/cog-fuzz"

regressions=tests/cog/regressions
echo "fuzz: running for $SECONDS_TO_RUN s; findings go to $regressions/" >&2
exec "$BUILD/cog-fuzz" "$BUILD/corpus" tests/cog "$regressions" \
  -dict=tests/fuzz/cog.dict -max_total_time="$SECONDS_TO_RUN" -max_len=70000 -timeout=10 \
  -rss_limit_mb=2048 -report_slow_units=5 -artifact_prefix="$regressions/" -print_final_stats=1
