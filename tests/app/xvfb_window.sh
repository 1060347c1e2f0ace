# The real program in a real X server: its window shows the splash and closes on a close request.
set -eu
. "$(dirname "$0")/../support/xvfb.sh"

xvfb_copy_game

# No display to reach: the program says so and ends, rather than running unseen.
n=1999
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
set +e
env -u WAYLAND_DISPLAY DISPLAY=":$n" timeout 60 "$WORK/game/tessoli" --windowed 2>"$WORK/err.txt"
STATUS=$?
set -e
echo "without a display: status $STATUS, $(head -1 "$WORK/err.txt")"
[ "$STATUS" = "1" ] || { echo "expected status 1 without a display"; exit 1; }
grep -q "^Couldn't initialize SDL_VIDEO: no display" "$WORK/err.txt" || { echo "no message"; exit 1; }

xvfb_launch_game 1000x900x24 || exit 1
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window $win: ${WIDTH}x${HEIGHT}"
want=$(awk "{print \$3 \"x\" \$4}" "$WORK/game/media/config.tll")
[ "${WIDTH}x${HEIGHT}" = "$want" ] || { echo "expected a $want window"; exit 1; }
# The window carries the media set's icon for the window manager and task bar.
icon=$(xprop -id "$win" _NET_WM_ICON 2>&1 | grep -o 'Icon ([0-9]* x [0-9]*)' | head -1)
echo "window icon: ${icon:-none}"
[ "$icon" = "Icon (64 x 64)" ] || { echo "expected the 64 x 64 icon"; exit 1; }

# The splash is drawn: the window is not one flat colour.
sleep 0.5
import -window "$win" "$WORK/shot.png"
colours=$(convert "$WORK/shot.png" -format '%k' info:)
echo "splash shows $colours colours"
[ "$colours" -gt 50 ] || { echo "the window looks empty"; exit 1; }

"$B/tests/wm-close" "$win"
xvfb_wait_game 10
echo "exit status after the close request: $STATUS"
[ "$STATUS" = "0" ] || { cat "$WORK/err.txt"; exit 1; }
