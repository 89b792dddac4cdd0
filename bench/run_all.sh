#!/usr/bin/env bash
# Runs every benchmark program of the build folder, then the idle measurement.
build="${1:-build}"
for b in "$build"/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    (cd "$build" && "./$(basename "$b")")
done
echo "== idle_cpu"
bash "$(dirname "$0")/idle_cpu.sh" "$build" 10
bash "$(dirname "$0")/idle_cpu.sh" "$build" 10 100000
