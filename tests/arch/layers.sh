# The layers hold their direction: no runtime folder includes one above it, SDL's headers stay
# where they belong, and no file includes itself back through others. Then the check itself is
# shown to catch each kind of fault, on a copy of the sources with one bad include planted at a
# time.
set -eu
SRC=${TESSOLI_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
CHECK="$SRC/tests/arch/layers.py"
WORK=$(mktemp -d /tmp/tessoli-layers-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

python3 "$CHECK" --counts "$SRC"

# Each plant: file, the line added to it, and the words the report must hold.
plant() {
    rm -rf "$WORK/tree"
    mkdir -p "$WORK/tree"
    for d in platform res video text fx game screens app; do
        cp -r "$SRC/$d" "$WORK/tree/$d"
    done
    printf '%s\n' "$2" >> "$WORK/tree/$1"
    if out=$(python3 "$CHECK" "$WORK/tree"); then
        echo "not caught: '$2' in $1"
        exit 1
    fi
    case "$out" in
    *"$1:"*"$3"*) echo "caught: '$2' in $1" ;;
    *) echo "wrong report for '$2' in $1:"; echo "$out"; exit 1 ;;
    esac
}
plant fx/effects.cpp '#include "game/game_state.h"' 'a higher layer'
plant res/pack.h '#include "app/startup.h"' 'a higher layer'
plant video/video.cpp '#include   "text/font.h"' 'a higher layer'
plant game/rules.cpp '#include <SDL.h>' 'must not need SDL'
plant screens/intro.cpp '#include <SDL_mixer.h>' 'must not need SDL'
plant res/pack.cpp '#include "SDL_image.h"' 'must not need SDL'
plant video/video.h '#include <SDL.h>' 'outside platform'
plant video/units.h '#include "video/video.h"' 'an include cycle: video/units -> video/video -> video/units'
# What the layers allow stays allowed: downward and sideways includes, SDL in the platform.
rm -rf "$WORK/tree"; mkdir -p "$WORK/tree"
for d in platform res video text fx game screens app; do cp -r "$SRC/$d" "$WORK/tree/$d"; done
printf '%s\n' '#include "platform/hss.h"' >> "$WORK/tree/app/state.cpp"
printf '%s\n' '#include "fx/fade.h"' >> "$WORK/tree/fx/effects.cpp"
printf '%s\n' '#include <SDL.h>' >> "$WORK/tree/platform/hss.h"
python3 "$CHECK" "$WORK/tree" > /dev/null
echo "layers hold"

# The same direction in the built objects: no layer calls a function defined above it (a file
# could declare one itself and so pass the include check). Shown to catch a planted call.
OBJ="${TESSOLI_BUILD_DIR:-}/CMakeFiles/tessoli_core.dir"
if [ -n "${TESSOLI_BUILD_DIR:-}" ] && [ -d "$OBJ/game" ]; then
    python3 "$SRC/tests/arch/calls.py" "$OBJ" "$SRC"
    cp -r "$OBJ" "$WORK/objects"
    printf 'void save_game();\nvoid layers_plant() { save_game(); }\n' > "$WORK/plant.cpp"
    ${CXX:-c++} -c "$WORK/plant.cpp" -o "$WORK/objects/fx/plant.cpp.o"
    if out=$(python3 "$SRC/tests/arch/calls.py" "$WORK/objects" "$SRC"); then
        echo "not caught: a call from fx/ to save_game"
        exit 1
    fi
    case "$out" in
    *"fx/plant.cpp.o uses save_game(), defined above it in game/save.cpp.o"*)
        echo "caught: a call from fx/ to save_game" ;;
    *) echo "wrong report for a call from fx/ to save_game:"; echo "$out"; exit 1 ;;
    esac
    # Globals belong to their layer too, those defined together in app/globals.cpp included.
    rm -f "$WORK/objects/fx/plant.cpp.o"
    printf 'namespace states { enum id : unsigned char; }\nextern const states::id& GameState;\n%s\n%s\n' \
        'extern int Scale;' 'int layers_plant() { Scale = 3; return GameState; }' > "$WORK/plant.cpp"
    ${CXX:-c++} -c "$WORK/plant.cpp" -o "$WORK/objects/platform/plant.cpp.o"
    out=$(python3 "$SRC/tests/arch/calls.py" "$WORK/objects" "$SRC") && { echo "not caught: globals used from platform/"; exit 1; }
    for use in 'uses GameState, defined above it in game/states.cpp.o' \
        'uses Scale, defined above it in video/video.cpp.o'; do
        case "$out" in
        *"platform/plant.cpp.o $use"*) echo "caught: platform/plant.cpp.o $use" ;;
        *) echo "wrong report for globals used from platform/:"; echo "$out"; exit 1 ;;
        esac
    done
fi
