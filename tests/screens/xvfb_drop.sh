# Under Xvfb: pictures dropped on the window, one file and then a folder, join the player's
# pictures folder, and the menu counts them; a file that is no picture is said and left out.
set -eu
. "$(dirname "$0")/../support/xvfb.sh"
export XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"
PICS="$XDG_DATA_HOME/tessoli/pictures"
fail() { echo "$1"; xvfb_report; exit 1; }

xvfb_copy_game
mkdir -p "$WORK/drop/folder"
# Twenty in all, so that every level of a new game shows one of them: a gradient each, as a photo
# has, and no tile of one looks like another.
convert -size 300x200 gradient:red-navy "$WORK/drop/one.jpg"
convert -size 64x64 gradient:lime-black "$WORK/drop/folder/two.png"
convert -size 64x64 gradient:blue-yellow "$WORK/drop/folder/three.jpg"
for n in $(seq 4 20); do
    convert -size 240x240 "gradient:hsb($((n * 17)),255,255)-hsb($((n * 17 + 90)),255,90)" \
        -rotate $((n * 20)) -gravity center -extent 240x240 "$WORK/drop/folder/p$n.jpg"
done
printf 'not a picture\n' >"$WORK/drop/folder/four.jpg"
PACK=$B/tools/tessoli-pack
[ -x "$PACK" ] || PACK=$M/tools/tessoli-pack
mkdir -p "$WORK/assets"
"$PACK" extract "$WORK/game/media/gfx.def" "$WORK/assets" >/dev/null
convert "$WORK/assets/intro.jpg" -crop 460x60+10+10 +repage "$WORK/intro-top.png"
xvfb_launch_game 1000x900x24 || fail "the game did not start"

# To the menu: the splash, then "Yes" once the sound question is up.
tap() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
question_up() {
    import -window "$win" "$WORK/now.png"
    convert "$WORK/now.png" -crop 460x60+10+10 +repage "$WORK/crop.png"
    d=$(compare -metric MAE "$WORK/crop.png" "$WORK/intro-top.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    awk -v a="$d" 'BEGIN { exit !(a < 0.04) }'
}
sleep 0.5
tap 240 300
for _ in $(seq 1 75); do question_up && break; sleep 0.2; done
tap 150 272
sleep 1

"$B/tests/xdnd-drop" "$win" "$WORK/drop/one.jpg" || fail "the window took no drop"
for _ in $(seq 1 100); do [ -f "$PICS/one.jpg" ] && break; sleep 0.05; done
cmp -s "$WORK/drop/one.jpg" "$PICS/one.jpg" || fail "a dropped picture did not join the folder"
echo "one picture dropped: $(ls "$PICS" | tr '\n' ' ')"

"$B/tests/xdnd-drop" "$win" "$WORK/drop/folder" "$WORK/drop/one.jpg" || fail "the window took no second drop"
for _ in $(seq 1 100); do [ -f "$PICS/two.png" ] && [ -f "$PICS/three.jpg" ] && break; sleep 0.05; done
[ -f "$PICS/two.png" ] && [ -f "$PICS/three.jpg" ] || fail "a dropped folder's pictures did not join"
[ ! -e "$PICS/four.jpg" ] || fail "a file that is no picture joined the folder"
[ "$(ls "$PICS" | wc -l)" = 20 ] || fail "the same picture dropped again was copied again"
grep -q "Couldn't add $WORK/drop/folder/four.jpg to your pictures: not a JPEG or PNG picture" \
    "$WORK/err.txt" || fail "the file that is no picture was not said"
echo "a folder dropped: $(ls "$PICS" | tr '\n' ' ')"

# The menu now names them, on the line under "Exit Game" that the intro picture alone leaves bare.
sleep 0.5
import -window "$win" "$WORK/menu.png"
mkdir -p "$B/shots"
cp "$WORK/menu.png" "$B/shots/menu-your-pictures.png"
convert "$WORK/menu.png" -crop 400x24+40+392 +repage "$WORK/line.png"
convert "$WORK/assets/intro.jpg" -crop 400x24+40+392 +repage "$WORK/bare.png"
d=$(compare -metric MAE "$WORK/line.png" "$WORK/bare.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
echo "menu line against the bare picture: $d"
awk -v a="$d" 'BEGIN { exit !(a > 0.02) }' || fail "the menu does not name the player's pictures"

# A new game: the level's picture is one of the player's, none of the built-in twenty.
# The menu's picture fades out to the empty board, then the level's picture fades in over it.
mae() { compare -metric MAE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/'; }
convert "$WORK/assets/intro.jpg" -crop 450x450+15+15 +repage "$WORK/menu-board.png"
convert "$WORK/assets/gra.jpg" -crop 450x450+15+15 +repage "$WORK/empty-board.png"
tap 240 266
shown=""
for _ in $(seq 1 75); do
    sleep 0.2
    import -window "$win" "$WORK/level.png"
    convert "$WORK/level.png" -crop 450x450+15+15 +repage "$WORK/board.png"
    off_empty=$(mae "$WORK/board.png" "$WORK/empty-board.png")
    off_menu=$(mae "$WORK/board.png" "$WORK/menu-board.png")
    if awk -v e="$off_empty" -v m="$off_menu" 'BEGIN { exit !(e > 0.1 && m > 0.1) }'; then
        shown=yes
        break
    fi
done
cp "$WORK/level.png" "$B/shots/level-your-picture.png"
[ -n "$shown" ] || fail "no picture on the board (from the empty board $off_empty, from the menu $off_menu)"
for n in $(seq 1 20); do
    d=$(mae "$WORK/board.png" "$WORK/assets/$n.jpg")
    awk -v a="$d" 'BEGIN { exit !(a > 0.04) }' || fail "a new game showed built-in picture $n.jpg"
done
echo "a new game shows one of the player's pictures"
