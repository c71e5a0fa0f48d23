#!/usr/bin/env bash
# Decoding and writing a 12-megapixel JPEG: our in-process decode against
# libjpeg-turbo's djpeg on the same file in the same run (target: at most
# 1.15 x djpeg), then whole-process JPEG -> JPEG q100 and JPEG -> PNG through
# vellumi-cli side by side with libvips and ImageMagick, as ratios.
# Usage: bench/compare_codecs.sh [build folder]   (default: build)
set -euo pipefail

build=${1:-build}
bench=$build/bench/vellumi_bench
cli=$build/bin/vellumi-cli
runs=${RUNS:-5}
for tool in "$bench" "$cli"; do
  [[ -x $tool ]] || { echo "missing $tool: build vellumi_bench and vellumi-cli first" >&2; exit 1; }
done
for tool in djpeg cjpeg convert vips python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A photo-like test picture: fractal plasma with grain, saved as a camera
# would (quality 92, 4:2:0).
convert -size 4000x3000 -seed 7 plasma:fractal +noise Gaussian -attenuate 0.3 -depth 8 "$work/photo.ppm"
cjpeg -quality 92 -outfile "$work/photo.jpg" "$work/photo.ppm"
rm "$work/photo.ppm"

# Best wall time in milliseconds of $runs runs of a command.
best_ms() {
  local best= start end ms
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    ms=$(((end - start) / 1000000))
    if [[ -z $best || $ms -lt $best ]]; then best=$ms; fi
  done
  echo "$best"
}

ratio() { python3 -c "print(f'{$1 / $2:.2f}')"; }

djpeg_ms=$(best_ms djpeg -outfile /dev/null "$work/photo.jpg")
VELLUMI_BENCH_JPEG="$work/photo.jpg" "$bench" --benchmark_filter=BM_DecodeJpeg12MP \
  --benchmark_format=json --benchmark_out="$work/decode.json" >/dev/null
ours_ms=$(python3 -c "
import json
runs = json.load(open('$work/decode.json'))['benchmarks']
print(round(min(r['real_time'] for r in runs if r.get('run_type') == 'iteration')))")
echo "decode 12 MP JPEG: vellumi ${ours_ms} ms, djpeg ${djpeg_ms} ms, ratio $(ratio "$ours_ms" "$djpeg_ms") (target <= 1.15)"

# Whole processes, decode and write. vellumi-cli replay with no records
# decodes the photo and writes it again.
printf '%-22s %10s %10s %10s %12s %12s\n' "case" "vellumi" "vips" "convert" "vips/ours" "convert/ours"
row() {
  local name=$1 ours vips magick
  ours=$(best_ms "$cli" replay "$work/photo.jpg" "$work/out.$2")
  vips=$(best_ms vips copy "$work/photo.jpg" "$work/vips.$2$3")
  magick=$(best_ms convert "$work/photo.jpg" $4 "$work/magick.$2")
  printf '%-22s %8s ms %7s ms %7s ms %12s %12s\n' "$name" "$ours" "$vips" "$magick" \
    "$(ratio "$vips" "$ours")" "$(ratio "$magick" "$ours")"
}
row "JPEG -> JPEG q100" jpg "[Q=100,subsample-mode=off]" "-quality 100 -sampling-factor 1x1"
row "JPEG -> PNG" png "" ""
