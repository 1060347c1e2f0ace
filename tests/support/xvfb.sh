# Shared by the scripted checks: a private Xvfb display and a few helpers around it.
# Source it; it sets DISPLAY and cleans up on exit.

unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
B=${TESSOLI_BUILD_DIR:?run through ctest}
WORK=$(mktemp -d /tmp/tessoli-x-XXXXXX)
# A window the test resizes is remembered in the settings file: the test's own, never the player's.
export XDG_CONFIG_HOME="$WORK/config"
XPID=""
GPID=""

xvfb_cleanup() {
    [ -n "$GPID" ] && kill "$GPID" 2>/dev/null || true
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap xvfb_cleanup EXIT

# The program beside a copy of the Scale 2 media set, in $WORK/game: a folder of our own, where
# the game may save without touching anyone's cont.tll.
M=${TESSOLI_MEDIA_ROOT:-$B}
xvfb_copy_game() {
    if [ ! -f "$M/media/gfx.def" ]; then
        echo "no media set in $M/media (make media builds it)"
        exit 1
    fi
    mkdir -p "$WORK/game/media"
    cp "$B/tessoli" "$WORK/game/"
    cp "$M/media"/*.def "$M/media"/*.pak "$M/media"/*.txt "$M/media/config.tll" "$M/media/icon.bmp" "$WORK/game/media/"
}

xvfb_start() {
    for n in $(seq 91 160); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            # -noreset: every xdotool call is a client of its own, and a server that resets each
            # time its last client leaves can turn the game's own connection away mid-reset.
            Xvfb ":$n" -screen 0 "${1:-1000x900x24}" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
            XPID=$!
            # Ready once it answers a client, not merely once its socket exists.
            for _ in $(seq 1 200); do
                if ! kill -0 "$XPID" 2>/dev/null; then
                    break # another server took this display meanwhile: try the next one
                fi
                if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                    export DISPLAY=":$n"
                    return 0
                fi
                sleep 0.05
            done
            kill "$XPID" 2>/dev/null || true
            XPID=""
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}

# Prints the id of the first window named Tessoli, waiting up to 60 s for it (a sanitizer build on
# a busy machine is slow to start); gives up at once if the game has ended.
# Openbox on the server, its pid in OPID; returns 1 when it has not taken the screen in 5 s.
xvfb_start_wm() {
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    OPID=$!
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.05
    done
    return 1
}

xvfb_find_window() {
    end=$(($(date +%s) + 60))
    while [ "$(date +%s)" -lt "$end" ]; do
        id=$(xdotool search --name '^Tessoli$' 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ -n "$GPID" ] && ! kill -0 "$GPID" 2>/dev/null; then
            return 1
        fi
        sleep 0.05
    done
    return 1
}

# What a failed check needs to be understood: the game's errors, whether it and the server live.
xvfb_report() {
    echo "--- game stderr"
    cat "$WORK/err.txt" 2>/dev/null || true
    if [ -n "$GPID" ] && kill -0 "$GPID" 2>/dev/null; then echo "--- game still running"; else echo "--- game ended"; fi
    if [ -n "$XPID" ] && kill -0 "$XPID" 2>/dev/null; then echo "--- Xvfb running on $DISPLAY"; else echo "--- Xvfb ended"; fi
    echo "--- windows:"
    xdotool search --name '.' getwindowname %@ 2>/dev/null | head -10 || true
    echo "--- Xvfb log"
    tail -20 "$WORK/xvfb.log" 2>/dev/null || true
}

# Waits up to $1 seconds for the game process to end; sets STATUS to its exit status or "timeout".
# (Not in a subshell: only this shell can collect its child's status.)
xvfb_wait_game() {
    STATUS=timeout
    for _ in $(seq 1 $(( ${1:-10} * 20 ))); do
        if ! kill -0 "$GPID" 2>/dev/null; then
            STATUS=0
            wait "$GPID" || STATUS=$?
            GPID=""
            return 0
        fi
        sleep 0.05
    done
}

# Starts a server of size $1 and the game in it (stderr to $WORK/err.txt); sets GPID and win.
# A launch that shows no window is reported and tried once more on a fresh server, so that a
# server that failed to come up is told apart from a game that cannot open its window.
xvfb_launch_game() {
    for attempt in 1 2; do
        xvfb_start "$1" || return 1
        "$WORK/game/tessoli" --windowed 2>"$WORK/err.txt" &
        GPID=$!
        if win=$(xvfb_find_window); then
            return 0
        fi
        echo "no Tessoli window (attempt $attempt)"
        xvfb_report
        kill "$GPID" "$XPID" 2>/dev/null || true
        wait "$GPID" "$XPID" 2>/dev/null || true
        GPID=""
        XPID=""
    done
    return 1
}
