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
    # A case that blocks (a FIFO opened for reading waits for a writer) is killed and fails.
    as=""
    [ "${4:-}" = nobody ] && as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    started=$(date +%s%N)
    $as timeout -s KILL 60 "$run/tessoli" --replay "$WORK/play.replay" --timedemo \
        > "$run/out.txt" 2> "$run/err.txt"
    status=$?
    took_ms=$((($(date +%s%N) - started) / 1000000))
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
    # Each refusal is a line or a few, never a copy of the hostile bytes.
    [ "$(wc -c < "$run/err.txt")" -lt 20000 ] || fail "$(wc -c < "$run/err.txt") bytes on stderr"
    if [ $failed_case -eq 0 ]; then
        echo "$name: ok (exit $status, ${took_ms} ms)"
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

# A GIF posing as a level picture is refused by its bytes; SDL_image's GIF reader never sees it.
fresh gif-level-picture
set -- $(awk '$1 == "1.jpg" { print $2, $3; exit }' "$media/gfx.def")
printf 'GIF89a\000\040\000\040\367\000\000' |
    dd of="$media/gfx.pak" bs=1 seek="$1" conv=notrunc status=none
check gif-level-picture go "Couldn't load 1.jpg: not a JPEG, PNG or BMP picture"

# An index that never ends (a link to /dev/zero) or holds a 300 MB name is refused at once.
fresh def-dev-zero
rm "$media/gfx.def"
ln -s /dev/zero "$media/gfx.def"
check def-dev-zero stop "Couldn't load $media/gfx.def: not a regular file"
fresh def-huge-token
truncate -s 300M "$media/gfx.def"
check def-huge-token stop "Couldn't load $media/gfx.def: larger than 1048576 bytes"

# icon.bmp: a 54-byte header claiming 46000 x 46000 pixels is refused before decoding.
fresh icon-huge-header
printf 'BM6\000\000\000\000\000\000\0006\000\000\000(\000\000\000\260\263\000\000\260\263\000\000\001\000\030\000' \
    > "$media/icon.bmp"
head -c 24 /dev/zero >> "$media/icon.bmp"
check icon-huge-header go "Couldn't load icon.bmp: picture of 46000x46000 pixels is larger"

# Pack entries: a 2 GB entry in a sparse 3 GB pack, an empty entry, one overlapping another.
fresh pak-huge-entry
truncate -s 3G "$media/gfx.pak"
sed -i 's/^1\.jpg \([0-9]*\) [0-9]*$/1.jpg \1 2000000000/' "$media/gfx.def"
check pak-huge-entry go \
    "Couldn't load 1.jpg: entry \"1.jpg\" in the index of $media/gfx.pak claims 2000000000 bytes"
fresh pak-empty-entry
sed -i 's/^gra\.jpg .*$/gra.jpg 0 0/' "$media/gfx.def"
check pak-empty-entry go "Couldn't load gra.jpg: entry \"gra.jpg\" in the index of $media/gfx.pak is empty"
fresh pak-overlap
sed -i 's/^1\.jpg \([0-9]*\) /1.jpg 1000 /' "$media/gfx.def"
check pak-overlap go "Couldn't load 1.jpg: entry \"1.jpg\" in the index of $media/gfx.pak overlaps entry"

# A mode the display refuses is said with its own reason, never with an earlier failure's (here
# a truncated icon.bmp's read error).
fresh no-video-mode
echo "0 1 65535 65535" > "$media/config.tll"
printf 'BM6\014\000\000\000\000\000\0006\000\000\000(\000\000\000 \000\000\000 \000\000\000\001\000\030\000' \
    > "$media/icon.bmp"
head -c 24 /dev/zero >> "$media/icon.bmp"
check no-video-mode stop "Couldn't set 65535x65535x32 video mode: "
if grep "video mode: " "$run/err.txt" | grep -qv "the display offers no such mode\|too large"; then
    echo "no-video-mode: a stale error quoted"; grep "video mode" "$run/err.txt"; failed=$((failed + 1))
fi

# A FIFO in place of any file the game reads never blocks start-up: each is refused as what it
# is, and the game goes on without it or stops as for a missing file.
for file in config.tll gfx.def msx.def gfx.pak msx.pak nerwus36.txt verdana20b.txt icon.bmp; do
    fresh "fifo-$file"
    rm -f "$media/$file"
    mkfifo "$media/$file"
    case $file in
    config.tll) check "fifo-$file" go "Couldn't read $media/config.tll (not a regular file)" ;;
    *.def) check "fifo-$file" stop "Couldn't load $media/$file: not a regular file" ;;
    gfx.pak) check "fifo-$file" go "can't open $media/gfx.pak: not a regular file" ;;
    msx.pak) check "fifo-$file" go "" ;; # the sound layer keeps quiet, as for a missing pack
    *) check "fifo-$file" go "Couldn't load $file: not a regular file" ;;
    esac
done

# Files the run writes: one that cannot be written is said at once, the game plays on, and the
# exit status says the run failed.
fresh levels-dev-full
"$run/tessoli" --replay "$WORK/play.replay" --timedemo --levels /dev/full > "$run/out.txt" \
    2> "$run/err.txt"
status=$?
if [ $status -ne 1 ] || ! grep -q '^timedemo: ' "$run/out.txt" ||
    ! grep -qF "cannot write the table of levels to /dev/full: No space left" "$run/err.txt"; then
    echo "levels-dev-full: exit $status"; head -n 5 "$run/err.txt"; failed=$((failed + 1))
else
    echo "levels-dev-full: ok (exit $status)"; passed=$((passed + 1))
fi
fresh record-dev-full
(cd "$run" && exec "$run/tessoli" --windowed --record /dev/full) > "$run/out.txt" 2> "$run/err.txt" &
pid=$!
waited=0
while ! grep -q "Couldn't write replay" "$run/err.txt" && [ $waited -lt 100 ]; do
    sleep 0.1
    waited=$((waited + 1))
done
kill -s TERM $pid
wait $pid
status=$?
if [ $status -ne 1 ] || ! grep -qF "Couldn't write replay /dev/full: No space left on device" "$run/err.txt"; then
    echo "record-dev-full: exit $status"; head -n 5 "$run/err.txt"; failed=$((failed + 1))
else
    echo "record-dev-full: ok (exit $status)"; passed=$((passed + 1))
fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
