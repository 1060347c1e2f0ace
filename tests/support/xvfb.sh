# Shared by the scripted checks: a private Xvfb display and a few helpers around it.
# Source it; it sets DISPLAY and cleans up on exit.

unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
B=${TESSOLI_BUILD_DIR:?run through ctest}
WORK=$(mktemp -d /tmp/tessoli-x-XXXXXX)
XPID=""
GPID=""

xvfb_cleanup() {
    [ -n "$GPID" ] && kill "$GPID" 2>/dev/null || true
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap xvfb_cleanup EXIT

xvfb_start() {
    for n in $(seq 91 160); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 "${1:-1000x900x24}" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
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

# Prints the id of the first window named Tessoli, waiting up to 20 s for it.
xvfb_find_window() {
    for _ in $(seq 1 400); do
        id=$(xdotool search --name '^Tessoli$' 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
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
