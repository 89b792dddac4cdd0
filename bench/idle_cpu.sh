#!/usr/bin/env bash
# Measures how much of one core an idle editor uses: starts the real program
# under its own Xvfb, optionally opens a drawing, leaves it alone and reads
# its CPU time from /proc over a fixed interval.
# usage: idle_cpu.sh BUILD_DIR [SECONDS]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
seconds="${2:-10}"
tmp=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT

for n in $(seq 140 190); do
    [ -e "/tmp/.X${n}-lock" ] || break
done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$build" && exec ./tavilon) >/dev/null 2>&1 &
app=$!
sleep 3
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
before=$(cpu)
sleep "$seconds"
after=$(cpu)
awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$seconds" \
    'BEGIN { printf "idle editor: %.2f %% of one core over %d s (target <= 5 %%)\n", 100 * (a - b) / t / s, s }'
