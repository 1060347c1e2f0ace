#!/bin/sh
# CPU the real program takes on each screen under Xvfb, in one run: splash, "Enable Sound?", menu,
# play screen and the pause. One table row per screen, in CPU seconds per minute and % of one core.
# Usage: bench/cpu_screens.sh BUILD_DIR [SECONDS_PER_SCREEN] [extra game options...]
set -eu
TESSOLI_BUILD_DIR=$(cd "${1:?build folder}" && pwd)
export TESSOLI_BUILD_DIR
SPAN=${2:-10}
shift
[ $# -gt 0 ] && shift
. "$(dirname "$0")/../tests/support/xvfb.sh"

xvfb_copy_game
xvfb_start 1000x1400x24
"$WORK/game/tessoli" --windowed "$@" 2>"$WORK/err.txt" &
GPID=$!
win=$(xvfb_find_window) || { xvfb_report; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$win")"
zoom=$((WIDTH / 480))
[ "$zoom" -ge 1 ] || zoom=1
tap() { xdotool mousemove --window "$win" $(($1 * zoom)) $(($2 * zoom)) click 1; }

HZ=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$GPID/stat"; }
# CPU over $SPAN seconds of wall time, as CPU seconds per minute and % of one core.
measure() {
    t0=$(cpu_ticks)
    w0=$(date +%s.%N)
    sleep "$SPAN"
    t1=$(cpu_ticks)
    w1=$(date +%s.%N)
    awk -v a="$t0" -v b="$t1" -v s="$w0" -v e="$w1" -v hz="$HZ" -v name="$1" -v W="$WIDTH" -v H="$HEIGHT" 'BEGIN {
        f = (b - a) / hz / (e - s)
        printf "| CPU on %s (%dx%d window) | %.2f s per minute (%.1f %% of a core) |\n", name, W, H, f * 60, f * 100
    }'
}

sleep 1
measure "the splash"
tap 240 300
sleep 4 # the loading picture is held for three seconds
measure "\"Enable Sound?\""
tap 150 272 # "Yes"
sleep 2
measure "the menu"
tap 240 266 # "Start Game"
sleep 8 # the fade and the five-second look at the picture
measure "the play screen"
xdotool windowfocus "$win" 2>/dev/null || true
xdotool key p
sleep 1
measure "the pause"
kill "$GPID" 2>/dev/null || true
wait "$GPID" 2>/dev/null || true
GPID=""
