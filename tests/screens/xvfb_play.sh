# The real program under Xvfb, played with xdotool taps: splash, sound question, menu, a level.
# Checks the screenshots: the menu shows the intro picture, and the level picture comes onto the board.
set -eu
. "$(dirname "$0")/../support/xvfb.sh"

PACK=$B/tools/tessoli-pack
[ -x "$PACK" ] || PACK=$M/tools/tessoli-pack

xvfb_copy_game
mkdir -p "$WORK/assets"
"$PACK" extract "$WORK/game/media/gfx.def" "$WORK/assets" >/dev/null

xvfb_launch_game 1000x900x24 || exit 1

shot() { import -window "$win" "$WORK/$1.png"; }
tap() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
# Mean difference (0..1) between a region of a screenshot and a picture of the same size.
differs() { # shot x y w h picture
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage "$WORK/crop.png"
    compare -metric MAE "$WORK/crop.png" "$6" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
# Waits up to $1 seconds until a region of the window matches a picture (as in differs).
wait_match() {
    for _ in $(seq 1 $(( $1 * 5 ))); do
        shot now
        d=$(differs now "$2" "$3" "$4" "$5" "$6")
        if below "$d" 0.04; then
            echo "$d"
            return 0
        fi
        sleep 0.2
    done
    echo "$d"
    return 1
}

# The splash, then (after the loading picture and its three seconds) the sound question.
sleep 0.5
tap 240 300
convert "$WORK/assets/intro.jpg" -crop 460x60+10+10 +repage "$WORK/intro-top.png"
d=$(wait_match 15 10 10 460 60 "$WORK/intro-top.png") || { echo "no sound question ($d)"; exit 1; }
tap 150 272 # "Yes"
sleep 1.5
shot menu
# The menu: the intro picture with the texts; away from them it is the picture itself.
d=$(differs menu 10 10 460 60 "$WORK/intro-top.png")
echo "menu against intro.jpg: $d"
below "$d" 0.04 || { echo "the menu does not show the intro picture"; exit 1; }

# The twenty level pictures at a tenth of their size: on a busy machine twenty full-size
# comparisons took longer than the five-second look they look for.
for n in $(seq 1 20); do
    convert "$WORK/assets/$n.jpg" -resize 45x45! "$WORK/small-$n.png"
done
tap 240 266 # "Start Game"
# The level picture fades onto the board at (15, 15): find it among the 20.
found=""
for _ in $(seq 1 25); do
    sleep 0.2
    shot level
    convert "$WORK/level.png" -crop 450x450+15+15 +repage -resize 45x45! "$WORK/level-small.png"
    for n in $(seq 1 20); do
        d=$(compare -metric MAE "$WORK/level-small.png" "$WORK/small-$n.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
        if below "$d" 0.04; then
            found=$n
            break
        fi
    done
    [ -n "$found" ] && break
done
[ -n "$found" ] || { echo "no level picture on the board"; exit 1; }
echo "level picture $found.jpg is on the board"

# A tap ends the look; the board is then empty and the pile is offered below it.
tap 240 200
convert "$WORK/assets/gra.jpg" -crop 450x450+15+15 +repage "$WORK/board.png"
d=$(wait_match 10 15 15 450 450 "$WORK/board.png") || { echo "the board did not empty ($d)"; exit 1; }
echo "empty board shown ($d)"

"$B/tests/wm-close" "$win"
xvfb_wait_game 10
echo "exit status: $STATUS"
[ "$STATUS" = "0" ] || { echo "the program did not end cleanly:"; tail -30 "$WORK/err.txt"; exit 1; }
