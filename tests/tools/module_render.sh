#!/bin/bash
# The tune as an independent player hears it: openmpt123 renders 1.mod to a WAV that lasts one to
# two minutes and is not silent; every sound effect is a 16-bit mono WAV that sox can read.
set -eu
build="${TESSOLI_BUILD_DIR:-$(dirname "$0")/../../build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/tools/tessoli-media" --scale 1 --out "$work/media"
"$build/tools/tessoli-pack" extract "$work/media/msx.def" "$work/msx" > /dev/null

openmpt123 --quiet --batch --render "$work/msx/1.mod" > /dev/null 2>&1
wav="$work/msx/1.mod.wav"
[ -s "$wav" ] || { echo "openmpt123 rendered nothing"; exit 1; }

stat="$(sox "$wav" -n stat 2>&1)"
length="$(echo "$stat" | awk '/^Length/ {print $3}')"
rms="$(echo "$stat" | awk '/^RMS +amplitude/ {print $3}')"
echo "tune: $length s, RMS $rms"
awk -v l="$length" -v r="$rms" 'BEGIN { exit !(l >= 60 && l <= 120 && r > 0.03) }' || {
    echo "the tune should last 60 to 120 s and be audible"; exit 1; }

for s in button_p explosion good hint_p rakieta_p button2 good_p; do
    info="$(soxi "$work/msx/$s.wav")"
    echo "$info" | grep -q "Channels       : 1" || { echo "$s.wav is not mono"; exit 1; }
    echo "$info" | grep -q "Precision      : 16-bit" || { echo "$s.wav is not 16-bit"; exit 1; }
    peak="$(sox "$work/msx/$s.wav" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')"
    awk -v p="$peak" 'BEGIN { exit !(p > 0.2) }' || { echo "$s.wav is too quiet"; exit 1; }
done
