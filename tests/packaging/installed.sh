# make install into a throwaway folder: the files a Debian game has, valid desktop entry, AppStream
# data and manual pages; then the installed game, run as a player who cannot write the install
# tree, saves in that player's data folder and leaves the tree as it was. The player's home is a
# temporary folder: no real ~/.local/share/tessoli is ever touched.
set -eu
B=${TESSOLI_BUILD_DIR:?run through ctest}
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d /tmp/tessoli-installed-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
DEST="$WORK/dest"
P=/usr/local
R="$DEST$P"

DESTDIR="$DEST" cmake --install "$B" --prefix "$P" > "$WORK/install.log"
missing=0
for f in games/tessoli games/tessoli-pack share/applications/tessoli.desktop \
    share/metainfo/org.tessoli.Tessoli.metainfo.xml share/man/man6/tessoli.6.gz \
    share/man/man1/tessoli-pack.1.gz share/doc/tessoli/copyright share/doc/tessoli/changelog.gz \
    share/games/tessoli/media/gfx.def share/games/tessoli/media/gfx.pak \
    share/games/tessoli/media/msx.def share/games/tessoli/media/msx.pak \
    share/games/tessoli/media/config.tll share/games/tessoli/media/icon.bmp \
    share/games/tessoli/media/verdana20b.txt share/games/tessoli/media/nerwus36.txt; do
    [ -f "$R/$f" ] || { echo "missing: $f"; missing=1; }
done
for s in 16 32 48 64 128 256; do
    icon="$R/share/icons/hicolor/${s}x$s/apps/tessoli.png"
    [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${s}x$s" ] || { echo "icon $s: not ${s}x$s"; missing=1; }
done
if find "$DEST" -name 'cont.tll*' | grep .; then echo "a saved game was installed"; missing=1; fi
[ "$missing" = 0 ]
grep -qx "Exec=$P/games/tessoli --windowed" "$R/share/applications/tessoli.desktop"
grep -qx "Categories=Game;LogicGame;" "$R/share/applications/tessoli.desktop"
desktop-file-validate "$R/share/applications/tessoli.desktop"
appstreamcli validate --no-net "$R/share/metainfo/org.tessoli.Tessoli.metainfo.xml"
for page in man6/tessoli.6.gz man1/tessoli-pack.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$R/share/man/$page" 2>&1 >"$WORK/page.txt")
    [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
    grep -q "tessoli/cont.tll" "$WORK/page.txt" || { echo "$page does not say where the saved game lives"; exit 1; }
done
echo "installed files, desktop entry, AppStream data and manual pages: fine"

if [ "$(id -u)" != 0 ]; then
    echo "the player checks run the game as nobody, which needs root: skipped"
    exit 77
fi
# The player: nobody, with a home of its own in a temporary folder.
snapshot() { (cd "$DEST" && find . -printf '%p %m %u %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }
snapshot > "$WORK/before.txt"
HOMEDIR="$WORK/home"
mkdir -p "$HOMEDIR"
chown nobody "$HOMEDIR"
as_player() { # XDG_DATA_HOME, then the game's arguments
    data=$1
    shift
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME="$HOMEDIR" XDG_DATA_HOME="$data" "$R/games/tessoli" "$@"
}
# The recorded game leaves a level through the menu button and continues it later: its saved file
# lands in the player's data folder, byte for byte what a build-folder run writes beside itself.
as_player "$HOMEDIR/data" --replay "$SRC/tests/replays/won-s2.replay" --timedemo > "$WORK/line.txt" 2> "$WORK/err.txt" \
    || { echo "installed game failed:"; cat "$WORK/err.txt"; exit 1; }
cmp "$HOMEDIR/data/tessoli/cont.tll" "$SRC/tests/replays/won-s2.cont"
[ "$(stat -c %U:%a "$HOMEDIR/data/tessoli")" = "nobody:700" ]
want_state=$(sed -n 's/^state //p' "$SRC/tests/replays/won-s2.expect")
grep -q "state $want_state" "$WORK/line.txt" || { echo "state differs: $(cat "$WORK/line.txt")"; exit 1; }
echo "saved in XDG_DATA_HOME/tessoli/cont.tll, the replay's state and saved bytes"

# --media naming no folder: one line, failure status.
if as_player "$HOMEDIR/data" --media "$WORK/none" 2> "$WORK/err.txt"; then echo "--media none started"; exit 1; fi
[ "$(cat "$WORK/err.txt")" = "No media folder: looked in $WORK/none/" ] || { cat "$WORK/err.txt"; exit 1; }

# A data folder the player cannot write: the save is said to fail in one line, the game plays on.
mkdir -p "$WORK/locked"
as_player "$WORK/locked" --replay "$SRC/tests/replays/won-s2.replay" --timedemo > /dev/null 2> "$WORK/err.txt" \
    || { echo "game failed with an unwritable data folder:"; cat "$WORK/err.txt"; exit 1; }
grep -q "^Couldn't create the save folder $WORK/locked/tessoli/: Permission denied$" "$WORK/err.txt" \
    || { echo "no line for the unwritable data folder:"; cat "$WORK/err.txt"; exit 1; }
[ ! -e "$WORK/locked/tessoli" ]

# A saved game the player may read but not replace: it stays as it was and the game plays on.
mkdir -p "$WORK/ro/tessoli"
printf '77 1234 ' > "$WORK/ro/tessoli/cont.tll"
chmod 444 "$WORK/ro/tessoli/cont.tll"
chmod 555 "$WORK/ro/tessoli"
as_player "$WORK/ro" --replay "$SRC/tests/replays/won-s2.replay" --timedemo > /dev/null 2> "$WORK/err.txt" \
    || { echo "game failed with a read-only saved game:"; cat "$WORK/err.txt"; exit 1; }
[ "$(cat "$WORK/ro/tessoli/cont.tll")" = "77 1234 " ] || { echo "the read-only saved game changed"; exit 1; }
echo "missing media, unwritable data folder, read-only saved game: handled, nothing lost"

snapshot > "$WORK/after.txt"
diff "$WORK/before.txt" "$WORK/after.txt" || { echo "the install tree changed"; exit 1; }
echo "install tree unchanged"
