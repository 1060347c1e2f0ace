# Plays every committed replay through the real program as a timedemo and compares the outcome
# (final game state, last frame, the cont.tll written) with what the recorded run ended on. On a
# mismatch it shows the table of levels played beside the recorded one and names what differs.
set -eu
B=${TESSOLI_BUILD_DIR:?run through ctest}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d /tmp/tessoli-replay-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# The two tables side by side, then one line per level that differs, naming the columns.
show_tables() {
    want=$1 got=$2
    echo "  levels played (recorded | this run):"
    paste -d '|' "$want" "$got" | awk -F '|' '{ printf "    %-54s| %s%s\n", $1, $2, ($1 != $2 ? "   <<" : "") }'
    awk 'NR == FNR { want[FNR] = $0; next }
         FNR == 1 { split($0, name, " "); next }
         {
             n = split(want[FNR], w, " "); m = split($0, g, " "); said = ""
             for (i = 1; i <= (n > m ? n : m); i++)
                 if (w[i] != g[i])
                     said = said sprintf(" %s %s -> %s", name[i], w[i] == "" ? "(none)" : w[i], g[i] == "" ? "(none)" : g[i])
             if (said != "")
                 printf "  row %d (level %s):%s\n", FNR - 1, (g[1] != "" ? g[1] : w[1]), said
         }
         END { for (k = FNR + 1; k in want; k++) printf "  row %d (level %s): missing from this run\n", k - 1, substr(want[k], 1, 5) + 0 }' \
        "$want" "$got"
}

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
        echo "no media set in $media (the default build makes it)"
        exit 1
    fi
    run="$WORK/$name"
    mkdir -p "$run/media"
    cp "$B/tessoli" "$run/"
    cp "$media"/*.def "$media"/*.pak "$media"/*.txt "$media"/config.tll "$run/media/"
    line=$("$run/tessoli" --replay "$replay" --timedemo --levels "$run/levels.txt" 2>"$run/err.txt")
    echo "$name: $line"
    got_state=$(echo "$line" | sed -n 's/.*state \([0-9a-f]*\).*/\1/p')
    got_screen=$(echo "$line" | sed -n 's/.*screen \([0-9a-f]*\).*/\1/p')
    want_state=$(sed -n 's/^state //p' "$HERE/$name.expect")
    want_screen=$(sed -n 's/^screen //p' "$HERE/$name.expect")
    count=$((count + 1))
    bad=""
    if [ "$got_state" != "$want_state" ] || [ "$got_screen" != "$want_screen" ]; then
        bad="expected state $want_state screen $want_screen"
    elif ! cmp -s "$run/levels.txt" "$HERE/$name.levels"; then
        bad="the table of levels differs"
    elif ! cmp -s "$run/media/cont.tll" "$HERE/$name.cont"; then
        bad="cont.tll differs"
    fi
    if [ -n "$bad" ]; then
        echo "  MISMATCH: $bad"
        show_tables "$HERE/$name.levels" "$run/levels.txt"
        failed=$((failed + 1))
    fi
done
[ "$count" -gt 0 ] || { echo "no replays found"; exit 1; }
echo "$count replays, $failed mismatched"
[ "$failed" -eq 0 ]
