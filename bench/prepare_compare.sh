#!/usr/bin/env bash
# Times vokcli prepare on a list of 150 frames of 450 x 400 against reduce --to bmp --reserve
# 2,3,8 plus generate-shadow run one after the other, and checks that both give the same
# bytes. Usage: prepare_compare.sh [VOKCLI]  (a Release tree as for imagemagick_compare.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
vokcli=${1:-$here/../build-release/src/cli/vokcli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/make_frames.py" "$work/frames" "$work/reduced.bmp" 150 450 400
(cd "$work/frames" && ls *.bmp | awk '{ print $0 (NR % 10 == 0 ? "  " NR / 10 "+" : "") }' | sed 's/$/\r/') >"$work/frames/list.txl"
mkdir -p "$work/one" "$work/three"

now() { date +%s.%N; }
t0=$(now); "$vokcli" prepare --quiet -o "$work/one" "$work/frames/list.txl" >/dev/null; t1=$(now)
prepare=$(echo "$t1 - $t0" | bc)
t0=$(now)
"$vokcli" reduce --quiet --to bmp --reserve 2,3,8 -o "$work/three" "$work"/frames/*.bmp
cp "$work/frames/list.txl" "$work/three/"
"$vokcli" generate-shadow --quiet "$work/three/list.txl" >/dev/null
t1=$(now)
steps=$(echo "$t1 - $t0" | bc)
diff -r "$work/one" "$work/three" >/dev/null && same=yes || same=NO

printf '%-45s %8.3f s\n' "vokcli prepare (150 frames of 450 x 400)" "$prepare" \
    "vokcli reduce + generate-shadow" "$steps"
echo "same bytes: $same"
