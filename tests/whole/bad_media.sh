# Runs the real program against broken media folders: each case gives its error line, goes on or
# stops with a non-zero status, never crashes or trips a sanitizer, and never loses a good cont.tll.
set -u
B=${TESSOLI_BUILD_DIR:?run through ctest}
M=${TESSOLI_MEDIA_ROOT:-$B}/media-s1
if [ ! -f "$M/gfx.def" ]; then
    echo "no Scale 1 media set in $M (make media builds it)"
    exit 1
fi
WORK=$(mktemp -d /tmp/tessoli-bad-media-XXXXXX)
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# Taps the splash, answers "Yes", starts a game, leaves it through the menu button (which saves)
# and ends with "Exit Game". A folder too broken for that still ends when the replay runs out.
cat > "$WORK/play.replay" <<'EOF'
tessoli-replay 1
scale 1
seed 1
2 5 1 100 100
3 6 1 100 100
10 5 1 80 138
11 6 1 80 138
40 5 1 120 133
41 6 1 120 133
310 5 1 210 252
311 6 1 210 252
360 5 1 120 172
361 6 1 120 172
end 460
EOF

# A finished game with a best score: "Start Game" starts afresh, and every save must keep it.
GOOD_CONT=$(awk 'BEGIN {
    printf "0 420 24 0 20 380 7 "
    for (i = 0; i < 25; i++) printf "%d 1 0 ", i
    for (i = 0; i < 20; i++) printf "1 "
}')
BEST=420

passed=0
failed=0
fail() {
    echo "  FAIL: $*"
    failed_case=1
}

# A fresh copy of the program and the Scale 1 set for one case: $run, with media in $media.
fresh() {
    run="$WORK/$1"
    media="$run/media"
    mkdir -p "$media"
    cp "$B/tessoli" "$run/"
    cp "$M"/*.def "$M"/*.pak "$M"/*.txt "$M"/config.tll "$media/"
    printf '%s' "$GOOD_CONT" > "$media/cont.tll"
    cp "$media/cont.tll" "$run/cont.before"
    chmod -R a+rX "$run"
}

# check NAME go|stop EXPECTED-STDERR-TEXT [user]: runs the case prepared by fresh and checks it.
check() {
    name=$1
    outcome=$2
    expected=$3
    failed_case=0
    if [ "${4:-}" = nobody ]; then
        setpriv --reuid=nobody --regid=nogroup --clear-groups \
            "$run/tessoli" --replay "$WORK/play.replay" --timedemo > "$run/out.txt" 2> "$run/err.txt"
    else
        "$run/tessoli" --replay "$WORK/play.replay" --timedemo > "$run/out.txt" 2> "$run/err.txt"
    fi
    status=$?
    [ $status -le 127 ] || fail "ended by signal $((status - 128))"
    ! grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:' "$run/err.txt" || fail "sanitizer report"
    if [ -n "$expected" ] && ! grep -qF -- "$expected" "$run/err.txt"; then
        fail "no error line containing: $expected"
    fi
    if [ "$outcome" = go ]; then
        [ $status -eq 0 ] || fail "exit status $status, expected 0"
        grep -q '^timedemo: ' "$run/out.txt" || fail "did not play to the end"
        # A save made during the run keeps the best score it read at start-up.
        best=$(awk '{ print $2; exit }' "$media/cont.tll" 2>/dev/null)
        [ "$best" = "$BEST" ] || fail "best score not $BEST (now: $(head -c 40 "$media/cont.tll"))"
    else
        [ $status -ne 0 ] && [ $status -le 127 ] || fail "exit status $status, expected a failure"
        cmp -s "$media/cont.tll" "$run/cont.before" || fail "cont.tll changed"
    fi
    if [ $failed_case -eq 0 ]; then
        echo "$name: ok (exit $status)"
        passed=$((passed + 1))
    else
        echo "$name: exit $status; stderr:"
        head -n 20 "$run/err.txt" | sed 's/^/    /'
        failed=$((failed + 1))
    fi
}

fresh intact
check intact go ""
# The intact run must have saved the game in play: otherwise the replay misses the buttons and
# the cases below prove nothing.
if ! grep -q '^[1-9][0-9]* 420 ' "$media/cont.tll"; then
    echo "intact: the replay did not reach the menu-button save"
    failed=$((failed + 1))
fi

fresh missing-gfx-pak
rm "$media/gfx.pak"
check missing-gfx-pak go "Couldn't load donate.jpg: can't open $media/gfx.pak"
# Without pictures every drawing fails at every frame: each failing one is said once, the
# repeats counted in one line at the end.
said=$(grep -o 'Blit error:' "$run/err.txt" | wc -l)
total=$(sed -n 's/.*Blit errors: \([0-9]*\) in all, each said once above$/\1/p' "$run/err.txt")
if [ "$said" -lt 1 ] || [ "$said" -gt 40 ] || [ -z "$total" ] || [ "$total" -le "$said" ]; then
    echo "missing-gfx-pak: $said blit error lines, total '${total}'"
    failed=$((failed + 1))
fi

# A level picture whose header claims 10000x10000 pixels is refused before decoding, with one
# line, and the level plays on without it as for any unreadable picture.
fresh huge-level-picture
set -- $(awk '$1 == "1.jpg" { print $2, $3; exit }' "$media/gfx.def") # offset, size
printf '\377\330\377\300\000\021\010\047\020\047\020\003\001\042\000' |
    dd of="$media/gfx.pak" bs=1 seek="$1" conv=notrunc status=none
check huge-level-picture go \
    "Couldn't load 1.jpg: picture of 10000x10000 pixels is larger than 16384 a side or 33554432"
refused=$(grep -c 'picture of 10000x10000' "$run/err.txt")
[ "$refused" -eq 1 ] || {
    echo "huge-level-picture: said $refused times"
    failed=$((failed + 1))
}

# The sound layer keeps quiet about a sound it cannot load; the game plays on without it.
fresh truncated-msx-pak
head -c 1000 "$M/msx.pak" > "$media/msx.pak"
check truncated-msx-pak go ""

fresh missing-msx-def
rm "$media/msx.def"
check missing-msx-def stop "Couldn't load ${media}/msx.def"

fresh metrics-huge-glyph-count
sed '1s/[0-9][0-9]*/2147483647/' "$M/nerwus36.txt" > "$media/nerwus36.txt"
check metrics-huge-glyph-count go "Couldn't load nerwus36.txt"

fresh picture-not-an-image
set -- $(awk '$1 == "gra.jpg" { print $2, $3; exit }' "$media/gfx.def") # offset, size
yes 'this is no picture' | head -c "$2" | dd of="$media/gfx.pak" bs=1 seek="$1" conv=notrunc status=none
check picture-not-an-image go "Couldn't load gra.jpg:"

# Garbage in place of the saved game reads as no saved game and no best score; the game plays
# and saves anew.
fresh garbage-cont
head -c 3000 /dev/urandom > "$media/cont.tll"
printf 'x' >> "$media/cont.tll"
BEST=0 check garbage-cont go ""

# A folder the player cannot write: the save fails and the old cont.tll stays as it was. Root
# writes anywhere, so then the program runs as nobody.
fresh read-only-folder
chmod a-w "$media" "$media"/*
if [ "$(id -u)" -eq 0 ]; then
    check read-only-folder go "" nobody
else
    check read-only-folder go ""
fi
cmp -s "$media/cont.tll" "$run/cont.before" || {
    echo "read-only-folder: cont.tll changed"
    failed=$((failed + 1))
}

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
