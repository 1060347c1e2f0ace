# Plays every committed replay through the real program as a timedemo and compares the outcome
# (final game state, last frame, the cont.tll written) with what the recorded run ended on.
set -eu
B=${TESSOLI_BUILD_DIR:?run through ctest}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d /tmp/tessoli-replay-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

count=0
failed=0
for replay in "$HERE"/*.replay; do
    [ -e "$replay" ] || continue
    name=$(basename "$replay" .replay)
    scale=$(sed -n 's/^scale //p' "$replay")
    M=${TESSOLI_MEDIA_ROOT:-$B}
    media="$M/media"
    [ "$scale" = 1 ] && media="$M/media-s1"
    if [ ! -f "$media/gfx.def" ]; then
        echo "no media set in $media (make media builds it)"
        exit 1
    fi
    run="$WORK/$name"
    mkdir -p "$run/media"
    cp "$B/tessoli" "$run/"
    cp "$media"/*.def "$media"/*.pak "$media"/*.txt "$media"/config.tll "$run/media/"
    line=$("$run/tessoli" --replay "$replay" --timedemo 2>"$run/err.txt")
    echo "$name: $line"
    got_state=$(echo "$line" | sed -n 's/.*state \([0-9a-f]*\).*/\1/p')
    got_screen=$(echo "$line" | sed -n 's/.*screen \([0-9a-f]*\).*/\1/p')
    want_state=$(sed -n 's/^state //p' "$HERE/$name.expect")
    want_screen=$(sed -n 's/^screen //p' "$HERE/$name.expect")
    count=$((count + 1))
    if [ "$got_state" != "$want_state" ] || [ "$got_screen" != "$want_screen" ]; then
        echo "  MISMATCH: expected state $want_state screen $want_screen"
        failed=$((failed + 1))
    elif ! cmp -s "$run/media/cont.tll" "$HERE/$name.cont"; then
        echo "  MISMATCH: cont.tll differs"
        failed=$((failed + 1))
    fi
done
[ "$count" -gt 0 ] || { echo "no replays found"; exit 1; }
echo "$count replays, $failed mismatched"
[ "$failed" -eq 0 ]
