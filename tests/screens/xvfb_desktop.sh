# The real program under Xvfb with a window manager (openbox), played with real keys: P in the
# look covers the picture and going on shows it again; minimised mid-level it pauses (the time bar stands still, and stays still once the window is back), a
# tap goes on; closed by the window manager (Alt+F4 sends WM_DELETE_WINDOW) it saves, and the
# next run's "Continue game?" goes on with the same level, score and time; F11 and Alt+Enter switch
# to full screen and back; SIGTERM while paused saves and ends.
set -eu
. "$(dirname "$0")/../support/xvfb.sh"

command -v openbox >/dev/null || { echo "openbox is not installed (scripts/install-deps)"; exit 77; }
PACK=$B/tools/tessoli-pack
[ -x "$PACK" ] || PACK=$M/tools/tessoli-pack

xvfb_copy_game
mkdir -p "$WORK/assets"
"$PACK" extract "$WORK/game/media/gfx.def" "$WORK/assets" >/dev/null
SAVE=$WORK/game/media/cont.tll
SHOTS=$B/shots
mkdir -p "$SHOTS"

OPID=""
trap '[ -n "$OPID" ] && kill "$OPID" 2>/dev/null; xvfb_cleanup' EXIT
xvfb_start 1000x900x24
xvfb_start_wm || { echo "openbox did not start"; exit 1; }

fail() {
    echo "$1"
    xvfb_report
    exit 1
}
launch() {
    "$WORK/game/tessoli" --windowed 2>>"$WORK/err.txt" &
    GPID=$!
    win=$(xvfb_find_window) || fail "no Tessoli window"
    xdotool windowactivate --sync "$win" 2>/dev/null || true
}
shot() { import -window "$win" "$WORK/$1.png"; }
tap() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
key() { xdotool windowactivate --sync "$win" 2>/dev/null || true; xdotool key "$1"; }
crop() { # shot x y w h out
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage "$WORK/$6.png"
}
# Mean difference (0..1) between a region of a screenshot and a picture of the same size.
differs() { # shot x y w h picture
    crop "$1" "$2" "$3" "$4" "$5" crop
    compare -metric MAE "$WORK/crop.png" "$6" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
# How many pixels of a region differ between two screenshots (the time bar's row by default).
changed() { # shot shot [x y w h]
    crop "$1" "${3:-0}" "${4:-628}" "${5:-480}" "${6:-12}" region1
    crop "$2" "${3:-0}" "${4:-628}" "${5:-480}" "${6:-12}" region2
    compare -metric AE -fuzz 10% "$WORK/region1.png" "$WORK/region2.png" null: 2>&1 | sed 's/ .*//'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
wait_match() { # seconds x y w h picture
    for _ in $(seq 1 $(( $1 * 5 ))); do
        shot now
        d=$(differs now "$2" "$3" "$4" "$5" "$6")
        if below "$d" 0.04; then
            return 0
        fi
        sleep 0.2
    done
    echo "$d"
    return 1
}
convert "$WORK/assets/intro.jpg" -crop 460x60+10+10 +repage "$WORK/intro-top.png"
convert "$WORK/assets/gra.jpg" -crop 450x450+15+15 +repage "$WORK/board.png"
# Splash (Return), sound question (N), menu (Return is "Start Game").
to_menu() {
    sleep 0.5
    key Return
    wait_match 15 10 10 460 60 "$WORK/intro-top.png" || fail "no sound question"
    key n
    sleep 1.5
    key Return
}
# The level's look ends with a tap; the board is then empty.
end_look() {
    sleep 2.5
    tap 240 200
    wait_match 10 15 15 450 450 "$WORK/board.png" || fail "the board did not empty"
}

launch
to_menu
# P in the five-second look covers the picture; going on, after longer than the look, shows it
# again and the look runs on.
for _ in $(seq 1 25); do # the fade onto the picture is over when two shots agree
    shot look0
    sleep 0.2
    shot look
    [ "$(changed look0 look 15 15 450 450)" -le 50 ] && break
done
# The board of a shot, kept for a person to look at, against the look before the pause: prints
# how many of its pixels changed.
board_against_look() { # shot kept-as what
    shot "$1"
    cp "$WORK/$1.png" "$SHOTS/$2.png"
    c=$(changed look "$1" 15 15 450 450)
    echo "board pixels changed $3: $c"
}
key p
sleep 1
board_against_look look-paused look-paused "by the pause in the look"
[ "$c" -ge 50000 ] || fail "the pause did not cover the picture"
sleep 5
key space
sleep 0.5
board_against_look look-again look-after-pause "across the pause in the look"
[ "$c" -le 50 ] || fail "going on did not show the picture again"
end_look
key Right # the next tile is offered, as the arrow button does
sleep 1
shot before

# Minimised for four seconds (eight pixels of time bar had it run on), then back: paused.
xdotool windowminimize "$win"
sleep 4
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowmap "$win"
sleep 1
shot paused
cp "$WORK/paused.png" "$SHOTS/pause-panel.png"
c=$(changed before paused)
echo "time bar pixels changed while minimised: $c"
[ "$c" -le 24 ] || fail "the clock ran while the window was minimised"
d=$(differs paused 15 15 450 450 "$WORK/board.png")
below 0.04 "$d" || fail "the paused board is not covered ($d)"
sleep 2
shot still
c=$(changed paused still)
echo "time bar pixels changed after the window came back: $c"
[ "$c" -eq 0 ] || fail "regaining the focus went on by itself"

# F1 while paused shows the help page; a key goes back to the panel, still paused.
key F1
sleep 1
shot help
c=$(changed still help 15 15 450 450)
[ "$c" -ge 50000 ] || fail "F1 did not show the help page over the paused level"
key x
sleep 1
shot panel
c=$(changed still panel 0 0 480 640)
[ "$c" -le 24 ] || fail "a key on the help page did not go back to the paused panel"

# A tap goes on: the panel goes, the board is the empty board again.
tap 240 200
wait_match 5 15 15 450 450 "$WORK/board.png" || fail "a tap did not go on"
shot resumed

# The window manager's close, mid-level: the level is saved and the program ends.
key alt+F4
xvfb_wait_game 10
echo "exit status after Alt+F4: $STATUS"
[ "$STATUS" = "0" ] || fail "the program did not end cleanly on close"
[ -s "$SAVE" ] || fail "closing mid-level saved nothing"

launch
to_menu
sleep 1
shot prompt
key y
end_look
shot continued
# The head-up display (level, score) and the offered tile's place are as they were on closing.
crop resumed 0 480 480 150 hud1
d=$(differs continued 0 480 480 150 "$WORK/hud1.png")
echo "head-up display and offered tile against the closed game's: $d"
below "$d" 0.02 || fail "the continued game is not the closed one ($d)"
c=$(changed resumed continued)
echo "time bar pixels changed across close and continue: $c"
[ "$c" -le 40 ] || fail "the continued game's time is not the closed one's"

# F11 fills the screen and Alt+Enter gives the window back; the level is still there either way.
size() { xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p'; }
echo "window: $(size)"
key F11
sleep 1.5
echo "after F11: $(size)"
[ "$(size)" = "1000x900" ] || fail "F11 did not fill the screen"
key alt+Return
sleep 1.5
echo "after Alt+Enter: $(size)"
[ "$(size)" = "480x640" ] || fail "Alt+Enter did not give the window back"

# Resized to 720 x 800 the picture is scaled by 1.25 to 600 x 800, 60 pixels in from the left: a
# tap on the bar beside it does nothing, a tap on a cell through the scaled picture lands there.
xdotool windowsize "$win" 720 800
sleep 1.5
echo "after the resize: $(size)"
[ "$(size)" = "720x800" ] || fail "the window did not take the new size"
convert "$WORK/board.png" -sample 125% "$WORK/board-scaled.png"
shot scaled
cp "$WORK/scaled.png" "$SHOTS/resized-window.png"
d=$(differs scaled 79 19 562 562 "$WORK/board-scaled.png")
echo "scaled board against the empty board at 1.25: $d"
below "$d" 0.05 || fail "the resized window does not show the board scaled ($d)"
xdotool mousemove --window "$win" 20 400 click 1
sleep 1
shot bar
c=$(changed scaled bar 79 19 562 562) # unscaled, (20, 400) would be a bottom row cell
echo "board pixels changed by a tap on the bar: $c"
[ "$c" -le 50 ] || fail "a tap on the bar reached the game"
xdotool mousemove --window "$win" 135 75 click 1 # the top left cell
sleep 1
shot tapped
cp "$WORK/tapped.png" "$SHOTS/resized-window-tapped.png"
# Right, the tile is placed; wrong, a rocket flies along the row and knocks tiles out.
c=$(changed bar tapped 79 19 562 112) # the top row
echo "board pixels changed by a tap on the top left cell: $c"
[ "$c" -ge 500 ] || fail "the tap through the scaled picture did not reach the board"
key alt+F4
xvfb_wait_game 10
[ "$STATUS" = "0" ] || fail "the program did not end cleanly on the second close"
grep -qx "window 720 800" "$XDG_CONFIG_HOME/tessoli/settings" || fail "the window size was not kept"

# The next run opens at the size the player chose; a damaged settings file is said and ignored.
launch
sleep 1
echo "next run: $(size)"
[ "$(size)" = "720x800" ] || fail "the next run did not open at the chosen size"
key alt+F4
xvfb_wait_game 10
printf 'garbage\n' >"$XDG_CONFIG_HOME/tessoli/settings"
launch
sleep 1
[ "$(size)" = "480x640" ] || fail "a damaged settings file was not ignored"
grep -q "Ignoring the settings in" "$WORK/err.txt" || fail "the damaged settings file was not said"
# SIGTERM while paused: the waiting pause takes the quit request, saves and ends.
to_menu
sleep 1
key y
sleep 2.5
tap 240 200
sleep 1
key p
sleep 1
shot term
cp "$WORK/term.png" "$SHOTS/paused-before-sigterm.png"
touch "$WORK/before-term"
[ -f "$SAVE" ] && touch -d "1 hour ago" "$SAVE"
kill -TERM "$GPID"
xvfb_wait_game 10
echo "exit status after SIGTERM while paused: $STATUS"
[ "$STATUS" = "0" ] || fail "SIGTERM while paused did not end the program cleanly"
[ "$SAVE" -nt "$WORK/before-term" ] || fail "SIGTERM while paused saved nothing"
echo "ok"
