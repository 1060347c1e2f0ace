# The developer guide names only what exists, and functions where it places them; the check is shown
# to catch a renamed file, function and object, and a function placed in the wrong file, on a copy
# of the guide each run.
set -eu
SRC=${TESSOLI_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
CHECK="$SRC/tests/arch/doc_names.py"
python3 "$CHECK" "$SRC"
WORK=$(mktemp -d /tmp/tessoli-doc-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
for plant in 'game/rulez.cpp' 'tap_on_bord()' 'InputStates' 'tap_on_board()` in `game/level.cpp'; do
    printf 'See `%s`.\n' "$plant" > "$WORK/doc.md"
    if out=$(python3 "$CHECK" "$SRC" "$WORK/doc.md"); then
        echo "not caught: $plant"
        exit 1
    fi
    case "$out" in
    *"${plant%%\`*}"*) echo "caught: $plant" ;;
    *) echo "wrong report for $plant: $out"; exit 1 ;;
    esac
done
