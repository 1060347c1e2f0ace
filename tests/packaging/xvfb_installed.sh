# The installed game under Xvfb, run as nobody from a throwaway install tree with its home in a
# temporary folder: a level is played and left through the menu button, the save lands in
# XDG_DATA_HOME/tessoli/cont.tll, a second run offers "Continue game?", and the tree is unchanged.
set -eu
. "$(dirname "$0")/../support/xvfb.sh"
if [ "$(id -u)" != 0 ]; then
    echo "runs the game as nobody, which needs root: skipped"
    exit 77
fi
TREE=$(mktemp -d /tmp/tessoli-xinst-XXXXXX)
trap 'xvfb_cleanup; rm -rf "$TREE"' EXIT
chmod 755 "$TREE"
DESTDIR="$TREE/dest" cmake --install "$B" --prefix /usr > "$WORK/install.log"
GAME="$TREE/dest/usr/games/tessoli"
HOMEDIR="$TREE/home"
mkdir -p "$HOMEDIR" "$WORK/assets"
chown nobody "$HOMEDIR"
SAVE="$HOMEDIR/data/tessoli/cont.tll"
"$TREE/dest/usr/games/tessoli-pack" extract "$TREE/dest/usr/share/games/tessoli/media/gfx.def" "$WORK/assets" >/dev/null
snapshot() { (cd "$TREE/dest" && find . -printf '%p %m %u %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }
snapshot > "$WORK/before.txt"

xvfb_start 1000x900x24
launch() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$HOMEDIR" \
        XDG_DATA_HOME="$HOMEDIR/data" DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy \
        "$GAME" --windowed 2>"$WORK/err.txt" &
    GPID=$!
    win=$(xvfb_find_window) || { echo "no window"; xvfb_report; exit 1; }
}
shot() { import -window "$win" "$WORK/$1.png"; }
tap() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
differs() { # shot x y w h picture
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage "$WORK/crop.png"
    compare -metric MAE "$WORK/crop.png" "$6" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
wait_match() { # seconds x y w h picture
    for _ in $(seq 1 $(( $1 * 5 ))); do
        shot now
        d=$(differs now "$2" "$3" "$4" "$5" "$6")
        below "$d" 0.04 && return 0
        sleep 0.2
    done
    echo "no match ($d)"
    return 1
}
convert "$WORK/assets/intro.jpg" -crop 460x60+10+10 +repage "$WORK/intro-top.png"
convert "$WORK/assets/gra.jpg" -crop 450x450+15+15 +repage "$WORK/board.png"
to_menu() {
    sleep 0.5
    tap 240 300 # the splash
    wait_match 15 10 10 460 60 "$WORK/intro-top.png" || { echo "no sound question"; xvfb_report; exit 1; }
    tap 150 272 # "Yes"
    sleep 1.5
    shot menu
}
close_game() {
    "$B/tests/wm-close" "$win"
    xvfb_wait_game 10
    [ "$STATUS" = 0 ] || { echo "exit status $STATUS"; cat "$WORK/err.txt"; exit 1; }
}

launch
to_menu
tap 240 266 # "Start Game": the level picture, then a tap ends the look
sleep 2
tap 240 200
wait_match 10 15 15 450 450 "$WORK/board.png" || { echo "the board did not empty"; exit 1; }
tap 60 60 # one tap on the board
sleep 0.5
tap 426 505 # the menu button saves the game
for _ in $(seq 1 50); do [ -s "$SAVE" ] && break; sleep 0.1; done
[ -s "$SAVE" ] || { echo "no saved game in $SAVE"; cat "$WORK/err.txt"; exit 1; }
echo "saved: $(stat -c '%U %a %s bytes' "$SAVE")"
close_game

launch
to_menu
tap 240 266 # "Start Game" now asks first
sleep 1.5
shot prompt
d=$(differs prompt 10 10 460 60 "$WORK/intro-top.png")
below "$d" 0.04 || { echo "Start Game left the menu's picture ($d): no question asked"; exit 1; }
convert "$WORK/menu.png" -crop 480x60+0+180 +repage "$WORK/menu-band.png"
d=$(differs prompt 0 180 480 60 "$WORK/menu-band.png")
below 0.02 "$d" || { echo "no \"Continue game?\" over the picture ($d)"; exit 1; }
echo "second run offers to continue (band differs from the menu by $d)"
close_game

snapshot > "$WORK/after.txt"
diff "$WORK/before.txt" "$WORK/after.txt" || { echo "the install tree changed"; exit 1; }
echo "install tree unchanged"
