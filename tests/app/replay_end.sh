# Replays that end in the loading waits end the program, and a quit request ends any replay.
set -eu
B=${TESSOLI_BUILD_DIR:?run through ctest}
M=${TESSOLI_MEDIA_ROOT:-$B}
SRC=${TESSOLI_SOURCE_DIR:?run through ctest}
WORK=$(mktemp -d /tmp/tessoli-replay-end-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
mkdir -p "$WORK/media"
cp "$B/tessoli" "$WORK/"
cp "$M/media-s1"/*.def "$M/media-s1"/*.pak "$M/media-s1"/*.txt "$M/media-s1"/config.tll \
    "$WORK/media/"
head -n 3 "$SRC/tests/replays/won-s1.replay" > "$WORK/head"
failed=0

# Each case must end well inside its time with the timedemo line; before the mend they spun.
ends() {
    name=$1
    shift
    if ! line=$(timeout -s KILL 20 "$WORK/tessoli" "$@" 2>"$WORK/err"); then
        echo "$name: did not end cleanly"; cat "$WORK/err"; failed=1
    elif ! echo "$line" | grep -q '^timedemo: '; then
        echo "$name: no timedemo line: $line"; failed=1
    else
        echo "$name: ended"
    fi
}

{ cat "$WORK/head"; echo "end 40"; } > "$WORK/splash.replay"
ends "on the splash" --replay "$WORK/splash.replay" --timedemo
# The splash tap and its release, then the end while the sound question waits.
{ cat "$WORK/head"; sed -n '4,5p' "$SRC/tests/replays/won-s1.replay"; echo "end 30"; } \
    > "$WORK/question.replay"
ends "on the sound question" --replay "$WORK/question.replay" --timedemo
# An end two billion polls after the last event: the replay stops a bounded while after it.
{ cat "$WORK/head"; sed -n '4,5p' "$SRC/tests/replays/won-s1.replay"; echo "end 2000000000"; } \
    > "$WORK/far.replay"
ends "far after its last event" --replay "$WORK/far.replay" --timedemo

# A replay played at its own pace takes minutes; SIGTERM and Ctrl+C end it at once.
for signal in TERM INT; do
    # A background job starts with SIGINT ignored; a player's Ctrl+C is not.
    env --default-signal=INT "$WORK/tessoli" --replay "$SRC/tests/replays/won-s1.replay" \
        --windowed 2>"$WORK/err" &
    pid=$!
    sleep 2
    kill -s "$signal" "$pid"
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "SIG$signal: the replay went on"; kill -9 "$pid"; failed=1
    elif ! wait "$pid"; then
        echo "SIG$signal: ended with a failure status"; failed=1
    else
        echo "SIG$signal: ended"
    fi
done
exit "$failed"
