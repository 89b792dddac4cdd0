#!/usr/bin/env bash
# Runs the file-reader fuzzer for a bounded time on a copy of the seeds.
# usage: run.sh BUILD_DIR SECONDS
set -euo pipefail
build="$1"
seconds="${2:-600}"
here="$(cd "$(dirname "$0")" && pwd)"
corpus="$build/fuzz-corpus"
mkdir -p "$corpus"
cp -n "$here"/seeds/* "$corpus"/ 2>/dev/null || true
"$build/dna_reader_fuzz" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 "$corpus"
