#!/usr/bin/env bash
# Times vokcli against ImageMagick on PCX: loading and saving an 18000 x 400 8-bit
# sheet of frames (each converts the PCX file to a new PCX file), and vokcli shift
# of 150 frames of 450 x 400. Usage: pcx_shift_compare.sh [VOKCLI]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
vokcli=${1:-$here/../build-release/src/cli/vokcli}
[ -x "$vokcli" ] || vokcli=$here/../build/src/cli/vokcli

# A work folder and a policy that lets ImageMagick open the wide combined picture.
source "$here/magick_work.sh"

python3 "$here/make_frames.py" "$work/frames" "$work/unused.bmp" 150 450 400
"$vokcli" combine -o "$work/sheet24.bmp" "$work"/frames/frame00*.bmp "$work"/frames/frame01[0-9].bmp \
    "$work"/frames/frame02[0-9].bmp "$work"/frames/frame03[0-9].bmp >/dev/null
# An 8-bit sheet of 40 frames: the first 18,000 columns, through ImageMagick's crop.
"$convert" "$work/sheet24.bmp" -crop 18000x400+0+0 +repage -type Palette "BMP3:$work/sheet8.bmp"
"$vokcli" convert "$work/sheet8.bmp" "$work/sheet.pcx"
"$vokcli" info "$work/sheet.pcx"

now() { date +%s.%N; }
span() { echo "$2 - $1" | bc; }
# Best of three runs of a command: wall seconds and processor seconds (user + system),
# the second being the fairer figure on a busy machine.
best() {
    local b=999 c=999
    for _ in 1 2 3; do
        local t0 t1 d cpu
        TIMEFORMAT='%U %S'
        t0=$(now)
        cpu=$( { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{print $1 + $2}')
        t1=$(now)
        d=$(span "$t0" "$t1")
        if (( $(echo "$d < $b" | bc) )); then b=$d; fi
        if (( $(echo "$cpu < $c" | bc) )); then c=$cpu; fi
    done
    echo "$b $c"
}

vok=$(best "$vokcli" convert "$work/sheet.pcx" "$work/vok.pcx")
im=$(best "$convert" "$work/sheet.pcx" "$work/im.pcx")
shift=$(best "$vokcli" shift --dx 1 --dy 0 "$work"/frames/*.bmp)

printf '%-48s %8s %8s\n' "" "wall s" "cpu s"
printf '%-48s %8.3f %8.3f\n' "vokcli convert PCX -> PCX (18000 x 400, 8-bit)" $vok \
    "ImageMagick convert PCX -> PCX (same file)" $im \
    "vokcli shift, 150 frames of 450 x 400" $shift
