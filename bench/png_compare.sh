#!/usr/bin/env bash
# Times reading an 18000 x 400 palette PNG and writing it as BMP: vokcli convert against
# ImageMagick's convert x.png BMP3:y.bmp, best of five runs each; also vokcli writing the
# PNG (zlib level 1) and ImageMagick writing it at its default level. Usage:
# png_compare.sh [VOKCLI]  (a Release tree as for imagemagick_compare.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
vokcli=${1:-$here/../build-release/src/cli/vokcli}

source "$here/magick_work.sh"

# 40 sprite frames of 450 x 400 side by side: the reduced combined picture is 18000 x 400.
python3 "$here/make_frames.py" "$work/frames" "$work/wide.bmp" 40 450 400
"$vokcli" convert "$work/wide.bmp" "$work/wide.png"

now() { date +%s.%N; }
best() {  # best of five runs of the command
    local best=999 t0 t1 t
    for _ in 1 2 3 4 5; do
        t0=$(now); "$@" >/dev/null; t1=$(now)
        t=$(echo "$t1 - $t0" | bc)
        if (( $(echo "$t < $best" | bc) )); then best=$t; fi
    done
    echo "$best"
}

vok=$(best "$vokcli" convert "$work/wide.png" "$work/vok.bmp")
im=$(best "$convert" "$work/wide.png" "BMP3:$work/im.bmp")
vokpng=$(best "$vokcli" convert "$work/wide.bmp" "$work/vok.png")
impng=$(best "$convert" "$work/wide.bmp" "PNG8:$work/im.png")
# Same pixels both ways.
cmp <("$convert" "$work/vok.bmp" rgb:-) <("$convert" "$work/im.bmp" rgb:-)

printf '%-45s %8.3f s\n' "vokcli convert wide.png wide.bmp" "$vok" \
    "ImageMagick convert wide.png BMP3:wide.bmp" "$im"
printf '%-45s %8.1f x\n' "ImageMagick / vokcli" "$(echo "$im / $vok" | bc -l)"
printf '%-45s %8.3f s  %9d bytes\n' "vokcli convert wide.bmp wide.png (level 1)" "$vokpng" "$(stat -c %s "$work/vok.png")" \
    "ImageMagick convert wide.bmp PNG8:wide.png" "$impng" "$(stat -c %s "$work/im.png")"
