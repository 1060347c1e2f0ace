# The Debian package built from this build: the layout of a Debian game, the runtime packages of
# SDL 1.2, SDL_image and SDL_mixer among its dependencies, its control fields, and no lintian error.
set -eu
B=${TESSOLI_BUILD_DIR:?run through ctest}
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d /tmp/tessoli-debcheck-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

sh "$SRC/scripts/make-deb" "$B" "$WORK" > "$WORK/make.log"
deb=$(ls "$WORK"/tessoli_*_"$(dpkg --print-architecture)".deb)
dpkg-deb --contents "$deb" | awk '{ print $6 }' > "$WORK/contents.txt"
missing=0
for f in ./usr/games/tessoli ./usr/games/tessoli-pack ./usr/share/applications/tessoli.desktop \
    ./usr/share/metainfo/org.tessoli.Tessoli.metainfo.xml ./usr/share/man/man6/tessoli.6.gz \
    ./usr/share/man/man1/tessoli-pack.1.gz ./usr/share/doc/tessoli/copyright \
    ./usr/share/doc/tessoli/changelog.gz ./usr/share/games/tessoli/media/gfx.pak \
    ./usr/share/games/tessoli/media/msx.pak ./usr/share/games/tessoli/media/icon.bmp \
    ./usr/share/games/tessoli/media/config.tll ./usr/share/icons/hicolor/16x16/apps/tessoli.png \
    ./usr/share/icons/hicolor/256x256/apps/tessoli.png; do
    grep -qx "$f" "$WORK/contents.txt" || { echo "not in the package: $f"; missing=1; }
done
if grep -E 'cont\.tll|/usr/local' "$WORK/contents.txt"; then echo "a saved game or a local path in the package"; missing=1; fi
[ "$missing" = 0 ]
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libsdl1.2debian libsdl-image1.2 libsdl-mixer1.2; do
    echo "$depends" | grep -q "\\b$lib\\b" || { echo "Depends names no $lib"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Section)" = games ]
[ -n "$(dpkg-deb -f "$deb" Description | sed -n 2p)" ] || { echo "no long description"; exit 1; }
# Root owns every file, whoever built it.
if dpkg-deb --contents "$deb" | awk '{ print $2 }' | grep -v '^root/root$'; then echo "files not owned by root"; exit 1; fi

lintian --no-tag-display-limit "$deb" > "$WORK/lintian.txt" 2>&1 || true
cat "$WORK/lintian.txt"
if grep -q '^E:' "$WORK/lintian.txt"; then echo "lintian reports errors"; exit 1; fi
echo "package: layout, dependencies and lintian fine"
