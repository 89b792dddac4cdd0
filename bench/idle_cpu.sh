#!/usr/bin/env bash
# Measures how much of one core an idle editor uses: starts the real program
# under its own Xvfb, optionally gives it a drawing, leaves it alone and reads
# its CPU time from /proc over a fixed interval.
#
# With BASES the drawing is made the way a person would: the clipboard is set
# to BASES letters (xclip), Control+V pastes them (xdotool) and a click places
# the strand; the editor then has a drawing of BASES bases open.
# usage: idle_cpu.sh BUILD_DIR [SECONDS] [BASES]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
seconds="${2:-10}"
bases="${3:-0}"
tmp=$(mktemp -d)
app=""
xvfb=""
clip=""
cleanup() {
    for pid in $clip $app $xvfb; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

for n in $(seq 140 190); do
    [ -e "/tmp/.X${n}-lock" ] || break
done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$build" && exec ./tavilon) >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Tavilon$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the editor's window did not appear" >&2; exit 1; }
sleep 1

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
resident() { awk '/^VmRSS:/ {printf "%.1f MB", $2 / 1024}' "/proc/$app/status"; }

if [ "$bases" -gt 0 ]; then
    empty=$(resident)
    command -v xclip >/dev/null && command -v xdotool >/dev/null ||
        { echo "xclip and xdotool are needed for a drawing" >&2; exit 1; }
    # GCATU repeated: BASES letters, served by xclip in the foreground (so it
    # can be stopped) for as many requests as the paste makes.
    awk -v n="$bases" 'BEGIN { s = "GCATU"; for (i = 0; i < n; ++i) printf "%s", substr(s, i % 5 + 1, 1) }' \
        >"$tmp/letters"
    xclip -quiet -loops 20 -selection clipboard -i <"$tmp/letters" >/dev/null 2>&1 &
    clip=$!
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 300)) $((Y + 300))
    sleep 0.3
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key ctrl+v
    sleep 2
    xdotool mousemove $((X + 310)) $((Y + 310))
    sleep 0.3
    xdotool click 1
    # Building, layout and the first frames take a while (and the events
    # that queued up meanwhile): wait until a second passes with the editor
    # using under a tenth of the core, at most 30 s.
    for _ in $(seq 1 30); do
        start=$(cpu)
        sleep 1
        [ $(($(cpu) - start)) -le $((ticks / 10)) ] && break
    done
    echo "drawing of $bases bases pasted; editor resident: $(resident) ($empty with the empty drawing)"
fi
before=$(cpu)
sleep "$seconds"
after=$(cpu)
what="idle editor"
[ "$bases" -gt 0 ] && what="idle editor with $bases bases"
awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$seconds" -v w="$what" \
    'BEGIN { printf "%s: %.2f %% of one core over %d s (target <= 5 %%)\n", w, 100 * (a - b) / t / s, s }'
