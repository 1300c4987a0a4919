#!/usr/bin/env bash
# A short fuzzing run that repeats exactly: a fixed seed and a fixed number of inputs,
# starting from the committed corpus (its regression cases included). New inputs go to a
# folder of the build, never into the corpus.
set -euo pipefail
fuzzer=$1 corpus=$2 found=$3 runs=$4
rm -rf "$found"
mkdir -p "$found"
# The readers take files: keep them in memory where the machine allows. The timeout is
# for hangs: a world-sized level checks in a fraction of a second, but many times slower
# under the sanitizers on a loaded machine.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
exec "$fuzzer" -seed=1 -runs="${VENDREL_FUZZ_RUNS:-$runs}" -max_len=8192 -timeout=60 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$found/" "$found" "$corpus"
