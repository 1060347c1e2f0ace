# The real program under Xvfb with a window manager (openbox) on a 1280 x 1024 and a square
# 800 x 800 screen: every window fits the screen at 3:4 (a --zoom too large, a remembered size
# too large); full screen on the square screen shows the whole game with bars; F11 back from
# full screen gives a resizable window painted at once, and no size the player did not choose is
# kept; F1 shows the help page on the splash and a key goes back.
set -eu
. "$(dirname "$0")/../support/xvfb.sh"

command -v openbox >/dev/null || { echo "openbox is not installed (scripts/install-deps)"; exit 77; }
xvfb_copy_game
SHOTS=$B/shots
SETTINGS=$XDG_CONFIG_HOME/tessoli/settings
mkdir -p "$SHOTS" "$XDG_CONFIG_HOME/tessoli"

OPID=""
stop_screen() {
    [ -n "$OPID" ] && kill "$OPID" 2>/dev/null || true
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null || true
    wait 2>/dev/null || true
    OPID=""
    XPID=""
}
trap 'stop_screen; xvfb_cleanup' EXIT
fail() {
    echo "$1"
    xvfb_report
    exit 1
}
screen_with_wm() { # WxH
    stop_screen
    xvfb_start "$1x24"
    xvfb_start_wm || fail "openbox did not start"
    SCREEN=$1
}
launch() {
    "$WORK/game/tessoli" "$@" 2>"$WORK/err.txt" &
    GPID=$!
    win=$(xvfb_find_window) || fail "no Tessoli window"
    sleep 1.5
}
quit() {
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool key alt+F4
    xvfb_wait_game 10
    [ "$STATUS" = "0" ] || fail "the program did not end cleanly ($STATUS)"
}
key() { xdotool windowactivate --sync "$win" 2>/dev/null || true; xdotool key "$1"; }
size() { xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p'; }
# The window and its frame fit the screen, and the window is the game's 3:4 to a pixel.
fits() {
    set -- $(size | tr x ' ') $(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    sw=${SCREEN%x*}
    sh=${SCREEN#*x}
    echo "window $1 x $2, frame $3 $4 $5 $6, screen $sw x $sh"
    [ $(($1 + $3 + $4)) -le "$sw" ] && [ $(($2 + $5 + $6)) -le "$sh" ] || return 1
    d=$(($1 * 4 - $2 * 3))
    [ "$d" -ge -4 ] && [ "$d" -le 4 ]
}
# Mean brightness (0..1) of a region of the whole screen.
brightness() { # shot x y w h
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -format "%[fx:mean]" info:
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
root_shot() { import -window root "$WORK/$1.png"; }

# 1280 x 1024: --zoom 3 (1440 x 1920) opens at the largest 3:4 window that fits, and says so.
screen_with_wm 1280x1024
launch --zoom 3
fits || fail "--zoom 3 does not fit the screen"
grep -q "^tessoli: --zoom 3 (1440 x 1920) does not fit the screen" "$WORK/err.txt" ||
    fail "the fitted --zoom was not said"
[ "$(wc -l <"$WORK/err.txt")" -eq 1 ] || fail "more than one line on stderr"
root_shot zoom3
cp "$WORK/zoom3.png" "$SHOTS/zoom3-on-1280x1024.png"
# F1 on the splash: the help page, and a key goes back to the splash.
import -window "$win" "$WORK/splash.png"
key F1
sleep 1
import -window "$win" "$WORK/help.png"
cp "$WORK/help.png" "$SHOTS/help-page.png"
d=$(compare -metric MAE "$WORK/splash.png" "$WORK/help.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
echo "help page against the splash: $d"
below 0.05 "$d" || fail "F1 did not show the help page"
key x
sleep 1
import -window "$win" "$WORK/back.png"
d=$(compare -metric MAE "$WORK/splash.png" "$WORK/back.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
below "$d" 0.01 || fail "a key did not go back to the splash ($d)"
quit
[ ! -e "$SETTINGS" ] || fail "a size the player did not choose was kept"

# A remembered size that no longer fits is fitted, and kept in the file as it was.
printf 'window 1200 1600\n' >"$SETTINGS"
launch --windowed
fits || fail "the remembered size was not fitted to the screen"
quit
grep -qx "window 1200 1600" "$SETTINGS" || fail "the remembered size was changed without a resize"
rm -f "$SETTINGS"

# F11 on the splash of a window: full screen painted at once, then the window, painted at once.
launch --windowed
import -window "$win" "$WORK/splash.png"
key F11
sleep 1
root_shot splash-full
b=$(brightness splash-full 256 0 768 1024)
echo "full screen splash brightness: $b"
below 0.08 "$b" || fail "F11 on the splash left the screen unpainted"
key F11
sleep 1
import -window "$win" "$WORK/splash-window.png"
d=$(compare -metric MAE "$WORK/splash.png" "$WORK/splash-window.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
echo "window after F11 against the splash: $d"
below "$d" 0.02 || fail "the window F11 gave back is not painted with the splash ($d)"
quit

# The square 800 x 800 screen: full screen shows the whole game, 600 x 800 between black bars.
screen_with_wm 800x800
launch --fullscreen
root_shot square
cp "$WORK/square.png" "$SHOTS/fullscreen-800x800.png"
left=$(brightness square 0 0 95 800)
right=$(brightness square 705 0 95 800)
game_bottom=$(brightness square 105 600 590 200)
echo "square screen: bars $left $right, bottom of the game $game_bottom"
below "$left" 0.01 && below "$right" 0.01 || fail "full screen on a square screen has no bars"
below 0.05 "$game_bottom" || fail "the bottom of the game is not shown"
# F11: a window that fits, painted, that the player can resize; nothing kept unless resized.
key F11
sleep 1
fits || fail "the window F11 gave back does not fit"
import -window "$win" "$WORK/square-window.png"
b=$(brightness square-window 0 0 400 500)
below 0.08 "$b" || fail "the window F11 gave back is unpainted"
quit
[ ! -e "$SETTINGS" ] || fail "F11 back from full screen kept a window size: $(cat "$SETTINGS")"
launch --fullscreen
key F11
sleep 1
xdotool windowsize "$win" 450 600
sleep 1
echo "resized: $(size)"
[ "$(size)" = "450x600" ] || fail "the window F11 gave back cannot be resized"
quit
grep -qx "window 450 600" "$SETTINGS" || fail "the player's size was not kept"
# --zoom 2 (960 x 1280) on the square screen fits too.
rm -f "$SETTINGS"
launch --zoom 2
fits || fail "--zoom 2 does not fit the square screen"
quit
echo "ok"
