# docs/architecture.md names only what is in the tree. Then the check is shown to catch a wrong
# path, function and name, each planted in a copy of the page.
set -eu
SRC=${TESSOLI_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
CHECK="$SRC/tests/arch/doc_names.py"
WORK=$(mktemp -d /tmp/tessoli-doc-names-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

python3 "$CHECK" "$SRC/docs/architecture.md" "$SRC"

# Each plant: the line added to the copy, and the words the report must hold.
plant() {
    cp "$SRC/docs/architecture.md" "$WORK/architecture.md"
    printf '%s\n' "$1" >> "$WORK/architecture.md"
    if out=$(python3 "$CHECK" "$WORK/architecture.md" "$SRC"); then
        echo "not caught: $1"
        exit 1
    fi
    case "$out" in
    *"$2"*) echo "caught: $1" ;;
    *) echo "wrong report for $1:"; echo "$out"; exit 1 ;;
    esac
}
plant 'The rules live in `game/rule.cpp`.' 'path `game/rule.cpp` is not in the tree'
plant 'A miss calls `launch_rocket()`.' 'function `launch_rocket()` is not in the tree'
plant 'Effects start in `fx/effect.h`.' 'path `fx/effect.h` is not in the tree'
plant 'The offered tile is `TileCurent`.' 'name `TileCurent` is not in the tree'
plant 'See `states::init_intr`.' 'name `states::init_intr` is not in the tree'
echo "doc names hold"
