#!/usr/bin/env bash
# Quality, speed and memory of `vokcli reduce` against ImageMagick and pngquant on
# 150 shaded 24-bit frames of 450 x 400 (background, shadow and selection pixels in
# the default standard colours). ImageMagick and pngquant reduce the combined picture
# (frames plus standard-colour strips) to 256 colours, as a user would before Split;
# vokcli reduces the frames to the 248 free positions plus the standard colours. The
# error counts every pixel whose original colour is not a standard colour.
# Usage: reduce_compare.sh [BUILD]   (BUILD: a build tree with vokcli and the bench tools)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
vokcli=$build/src/cli/vokcli

# A work folder and a policy that lets ImageMagick open the wide combined picture.
source "$here/magick_work.sh"

"$build/bench/vok_make_shaded_frames" "$work/frames" 150 450 400
mkdir -p "$work/vok" "$work/vokfs"
frames=("$work"/frames/*.bmp)
echo "frames: ${#frames[@]}, $(du -sb "$work/frames" | cut -f1) bytes"

# Wall, user and system seconds and the largest resident size of a command, best of RUNS
# (TOOL_RUNS for ImageMagick and pngquant, which take minutes).
RUNS=${RUNS:-3}
TOOL_RUNS=${TOOL_RUNS:-1}
timed() {
    local label=$1 best=""
    shift
    for _ in $(seq "$RUNS"); do
        sync
        local line
        line=$(/usr/bin/time -f "%e %U %S %M" "$@" 2>&1 >/dev/null | tail -1)
        if [ -z "$best" ] || [ "$(echo "${line%% *} < ${best%% *}" | bc)" = 1 ]; then best=$line; fi
    done
    read -r wall user sys rss <<<"$best"
    printf '%-44s wall %6.2f s  user+sys %6.2f s  max RSS %4d MB\n' "$label" "$wall" "$(echo "$user + $sys" | bc)" $((rss / 1024))
}

timed "vokcli reduce" "$vokcli" reduce -o "$work/vok" "${frames[@]}"
timed "vokcli reduce --dither fs" "$vokcli" reduce --dither fs -o "$work/vokfs" "${frames[@]}"
"$vokcli" combine -o "$work/All.bmp" "${frames[@]}"
RUNS=$TOOL_RUNS timed "ImageMagick -colors 256 -dither None" "$convert" "$work/All.bmp" -colors 256 -dither None "BMP3:$work/im.bmp"
"$convert" "$work/All.bmp" "$work/All.png"
RUNS=$TOOL_RUNS timed "pngquant --nofs 256" pngquant --nofs --force --output "$work/pq.png" 256 "$work/All.png"
"$convert" "$work/pq.png" -type TrueColor "BMP3:$work/pq.bmp"

"$vokcli" combine -o "$work/VokAll.bmp" "$work"/vok/*.bmp
"$vokcli" combine -o "$work/VokFsAll.bmp" "$work"/vokfs/*.bmp
printf '%-24s %s\n' "vokcli reduce" "$("$build/bench/vok_reduce_error" "$work/All.bmp" "$work/VokAll.bmp")" \
    "vokcli reduce --dither fs" "$("$build/bench/vok_reduce_error" "$work/All.bmp" "$work/VokFsAll.bmp")" \
    "ImageMagick" "$("$build/bench/vok_reduce_error" "$work/All.bmp" "$work/im.bmp")" \
    "pngquant" "$("$build/bench/vok_reduce_error" "$work/All.bmp" "$work/pq.bmp")"
