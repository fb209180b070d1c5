#!/usr/bin/env bash
# Times vokcli's Combine and Split against ImageMagick's append and crop on the same
# 150 frames of 450 x 400 at 8 bits. Usage: imagemagick_compare.sh [VOKCLI]
# (build a Release tree first: cmake -S . -B build-release -G Ninja
#  -DCMAKE_BUILD_TYPE=Release -DVOK_GUI=OFF && cmake --build build-release --target vokcli)
# make_frames.py also writes the reduced combined picture that a paint program would
# give back for these frames (they share one palette), so no reduction is timed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
vokcli=${1:-$here/../build-release/src/cli/vokcli}

# A work folder and a policy that lets ImageMagick open the wide combined picture.
source "$here/magick_work.sh"

python3 "$here/make_frames.py" "$work/frames" "$work/reduced.bmp" 150 450 400
mkdir -p "$work/out" "$work/spread" "$work/im"

now() { date +%s.%N; }
span() { echo "$2 - $1" | bc; }

sync; t0=$(now); "$vokcli" combine -o "$work/All.bmp" "$work"/frames/*.bmp; t1=$(now)
combine=$(span "$t0" "$t1")
sync; t0=$(now); "$vokcli" split --tolerance 3 --parts "$work/All.bmp.parts" -o "$work/out" "$work/reduced.bmp"; t1=$(now)
split=$(span "$t0" "$t1")
sync; t0=$(now); "$vokcli" split --no-standard-colors --parts "$work/All.bmp.parts" -o "$work/spread" "$work/reduced.bmp"; t1=$(now)
spread=$(span "$t0" "$t1")

sync; t0=$(now); "$convert" "$work"/frames/*.bmp +append -type TrueColor "BMP3:$work/im_all.bmp"; t1=$(now)
imappend=$(span "$t0" "$t1")
sync; t0=$(now); "$convert" "$work/reduced.bmp" -crop 450x400 +repage "BMP3:$work/im/f%03d.bmp"; t1=$(now)
imcrop=$(span "$t0" "$t1")

printf '%-40s %8.3f s\n' "vokcli combine" "$combine" \
    "vokcli split (standard, tolerance 3)" "$split" \
    "vokcli split (spread)" "$spread" \
    "vokcli combine + split" "$(echo "$combine + $split" | bc)" \
    "ImageMagick convert +append" "$imappend" \
    "ImageMagick convert -crop" "$imcrop" \
    "ImageMagick append + crop" "$(echo "$imappend + $imcrop" | bc)"
