#!/usr/bin/env bash
# Times whole vokcli processes against the same work done by ImageMagick and writes the
# table of docs/performance.md. Usage: performance.sh [BUILD] [OUT]
#   BUILD: a build tree with vokcli, vok_make_shaded_frames and vok_reduce_error
#          (default: build-release, else build); OUT: default docs/performance.md.
# Each figure is the best wall time of RUNS runs (default 5; TOOL_RUNS, default 3, for
# ImageMagick), with the processor time (user + system) of that run beside it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-release}
[ -x "$build/src/cli/vokcli" ] || build=$here/../build
out=${2:-$here/../docs/performance.md}
vokcli=$build/src/cli/vokcli
RUNS=${RUNS:-5}
TOOL_RUNS=${TOOL_RUNS:-3}

# A work folder and a policy that lets ImageMagick open the wide combined picture.
source "$here/magick_work.sh"

# Best wall seconds of N runs of a command, and that run's user + system seconds: "wall cpu".
# The wall time is read from the shell's microsecond clock: the runs of cp and of a convert
# take milliseconds, below the hundredths that time(1) gives.
best() {
    local n=$1 b="" line start end
    shift
    for _ in $(seq "$n"); do
        start=$EPOCHREALTIME
        /usr/bin/time -o "$work/time" -f "%U %S" "$@" >/dev/null 2>&1
        end=$EPOCHREALTIME
        read -r u s <<<"$(tail -1 "$work/time")"
        line="$(echo "$end - $start" | bc) $(echo "$u + $s" | bc)"
        if [ -z "$b" ] || [ "$(echo "${line%% *} < ${b%% *}" | bc)" = 1 ]; then b=$line; fi
    done
    echo "$b"
}
# The sum of several "wall cpu" pairs.
sum() { echo "$@" | awk '{w = 0; c = 0; for (i = 1; i <= NF; i += 2) { w += $i; c += $(i + 1) } print w, c}'; }
cell() { printf '%.3f s (cpu %.2f s)' $1 $2; }
ratio() { echo "$1 $2" | awk '{ if ($1 > 0) printf "%.1f", $2 / $1; else print "-" }'; }

python3 "$here/make_frames.py" "$work/frames" "$work/reduced.bmp" 150 450 400
"$build/bench/vok_make_shaded_frames" "$work/shaded" 150 450 400
# An 18000 x 400 8-bit sheet: the first 40 frames side by side.
"$vokcli" combine --no-standard-colors --no-background -o "$work/sheet24.bmp" "$work"/frames/frame0[0-3]?.bmp >/dev/null
"$convert" "$work/sheet24.bmp" -crop 18000x400+0+0 +repage -type Palette -compress None "BMP3:$work/sheet8.bmp"
# The same sheet run-length coded, as ImageMagick writes 8-bit BMP files by default.
"$convert" "$work/sheet8.bmp" -type Palette "BMP3:$work/sheet8rle.bmp"
"$vokcli" convert "$work/sheet8.bmp" "$work/sheet.pcx"
# A list of the 150 frames for the shadow generator, on copies.
mkdir -p "$work/gen" "$work/split" "$work/im" "$work/vokred"
cp "$work"/frames/*.bmp "$work/gen/"
{
    printf '%s\r\n' 0 7 Temp.vok FALSE FALSE TRUE 450 400 "" 0 FALSE FALSE FALSE Auto Auto
    for f in "$work"/gen/*.bmp; do printf '%s  0+\r\n' "$(basename "$f")"; done
} >"$work/gen/list.txl"

rows=()
row() { rows+=("| $1 | $2 | $3 | $4 |"); }

# BMP convert, against ImageMagick and against cp of the file.
v=$(best "$RUNS" "$vokcli" convert "$work/sheet8.bmp" "$work/v.bmp")
m=$(best "$TOOL_RUNS" "$convert" "$work/sheet8.bmp" "BMP3:$work/m.bmp")
c=$(best "$RUNS" cp "$work/sheet8.bmp" "$work/c.bmp")
row "\`vokcli convert\` 18000 x 400 8-bit BMP to BMP" "$(cell $v)" "$(cell $m)" "$(ratio ${v%% *} ${m%% *}) x faster"
row "the same against \`cp\` of the file (in the ImageMagick column)" "$(cell $v)" "$(cell $c)" "$(ratio ${c%% *} ${v%% *}) x the time of cp"
v=$(best "$RUNS" "$vokcli" convert "$work/sheet8rle.bmp" "$work/v.bmp")
m=$(best "$TOOL_RUNS" "$convert" "$work/sheet8rle.bmp" "BMP3:$work/m.bmp")
row "\`vokcli convert\` the same sheet RLE-coded (as ImageMagick writes it) to BMP" "$(cell $v)" "$(cell $m)" "$(ratio ${v%% *} ${m%% *}) x faster"

v=$(best "$RUNS" "$vokcli" convert "$work/sheet.pcx" "$work/v.pcx")
m=$(best "$TOOL_RUNS" "$convert" "$work/sheet.pcx" "$work/m.pcx")
row "\`vokcli convert\` the same sheet as PCX to PCX" "$(cell $v)" "$(cell $m)" "$(ratio ${v%% *} ${m%% *}) x faster"

for jobs in "" 1; do
    opt=${jobs:+--jobs $jobs}
    vc=$(best "$RUNS" "$vokcli" $opt combine -o "$work/All.bmp" "$work"/frames/*.bmp)
    vs=$(best "$RUNS" "$vokcli" $opt split --tolerance 3 --parts "$work/All.bmp.parts" -o "$work/split" "$work/reduced.bmp")
    v=$(sum $vc $vs)
    if [ -z "$jobs" ]; then
        mc=$(best "$TOOL_RUNS" "$convert" "$work"/frames/*.bmp +append -type TrueColor "BMP3:$work/im_all.bmp")
        ms=$(best "$TOOL_RUNS" "$convert" "$work/reduced.bmp" -crop 450x400 +repage "BMP3:$work/im/f%03d.bmp")
        imcs=$(sum $mc $ms)
    fi
    row "\`vokcli ${opt:+$opt }combine\` + \`split\` of 150 frames of 450 x 400 (ImageMagick: \`+append\`, \`-crop\`)" \
        "$(cell $v)" "$(cell $imcs)" "$(ratio ${v%% *} ${imcs%% *}) x faster"
done

"$vokcli" combine -o "$work/ShadedAll.bmp" "$work"/shaded/*.bmp >/dev/null
m=$(best "$TOOL_RUNS" "$convert" "$work/ShadedAll.bmp" -colors 256 -dither None "BMP3:$work/im_reduced.bmp")
for jobs in "" 1; do
    opt=${jobs:+--jobs $jobs}
    v=$(best "$RUNS" "$vokcli" $opt reduce -o "$work/vokred" "$work"/shaded/*.bmp)
    row "\`vokcli ${opt:+$opt }reduce\` of 150 shaded 24-bit frames of 450 x 400 (ImageMagick: \`-colors 256\` of the combined picture)" \
        "$(cell $v)" "$(cell $m)" "$(ratio ${v%% *} ${m%% *}) x faster"
done
"$vokcli" combine -o "$work/VokReduced.bmp" "$work"/vokred/*.bmp >/dev/null
error=$("$build/bench/vok_reduce_error" "$work/ShadedAll.bmp" "$work/VokReduced.bmp")
imerror=$("$build/bench/vok_reduce_error" "$work/ShadedAll.bmp" "$work/im_reduced.bmp")

for jobs in "" 1; do
    opt=${jobs:+--jobs $jobs}
    v=$(best "$RUNS" "$vokcli" $opt generate-shadow --base-line 260 "$work/gen/list.txl")
    row "\`vokcli ${opt:+$opt }generate-shadow\` of 150 frames of 450 x 400" "$(cell $v)" "-" \
        "$(echo "${v%% *}" | awk '{printf "%.2f ms a frame", $1 * 1000 / 150}')"
done

# Peak resident memory against the pictures' own bytes, on 1, 2 and 8 threads.
peak() { /usr/bin/time -o "$work/time" -f "%M" "$@" >/dev/null 2>&1; echo $(( $(tail -1 "$work/time") * 1024 )); }
combinedBytes=$(( $(stat -c %s "$work/All.bmp") - 54 ))
framePixels=$(( 150 * 450 * 400 * 3 ))
memory=()
for jobs in 1 2 8; do
    c=$(peak "$vokcli" --jobs $jobs combine -o "$work/All.bmp" "$work"/frames/*.bmp)
    r=$(peak "$vokcli" --jobs $jobs reduce -o "$work/vokred" "$work"/shaded/*.bmp)
    memory+=("- \`--jobs $jobs\`: combine $(echo "$c $combinedBytes" | awk '{printf "%.2f", $1 / $2}') x the combined picture ($(( c >> 20 )) MiB); reduce $(echo "$r $framePixels" | awk '{printf "%.2f", $1 / $2}') x the frames' pixels ($(( r >> 20 )) MiB)")
done

machine="$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), load $(cut -d' ' -f1 /proc/loadavg) at the end"
{
    echo "# Performance"
    echo
    echo "Whole processes on one machine in one run of \`bench/performance.sh\`, which writes this page."
    echo "Figures: best wall time of $RUNS runs ($TOOL_RUNS for ImageMagick, $("$convert" -version | head -1 | cut -d' ' -f3)), with the processor time"
    echo "(user + system) of that run. Without \`--jobs\` vokcli uses every core."
    echo
    echo "| command | Vok Tool | ImageMagick | ratio | machine |"
    echo "| --- | --- | --- | --- | --- |"
    for r in "${rows[@]}"; do echo "$r $machine |"; done
    echo
    echo "Reduction error (mean squared, over the pixels that are not standard colours): vokcli $error; ImageMagick $imerror."
    echo
    echo "Peak resident memory of the 150 frames of 450 x 400:"
    for m in "${memory[@]}"; do echo "$m"; done
} >"$out"
cat "$out"
