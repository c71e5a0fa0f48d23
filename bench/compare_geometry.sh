#!/bin/bash
# Resize of one 12-megapixel photo to 50 % and to 1024 x 768, side by side:
# in process (vellumi_bench, ResizeBitmap on a raster already decoded), and
# as whole processes that decode the JPEG, resize it bilinearly and write a
# quality-100 JPEG: vellumi-cli replay, ImageMagick (convert -filter
# Triangle -resize) and libvips (vips resize --kernel linear). Prints the
# best of RUNS wall times and the ratios peer / vellumi (above 1: vellumi
# is faster).
#
#   bench/compare_geometry.sh [BUILD_DIR] [PHOTO.jpg]
#
# BUILD_DIR defaults to build (it must hold bin/vellumi-cli and
# bench/vellumi_bench). Without a photo one is made with ImageMagick
# (4000 x 3000). RUNS (default 3) sets the repetitions.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cli=$build/bin/vellumi-cli
bench=$build/bench/vellumi_bench
runs=${RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in convert vips identify bc "$cli" "$bench"; do
    command -v "$tool" > /dev/null || { echo "missing: $tool" >&2; exit 1; }
done

photo=${2:-}
if [ -z "$photo" ]; then
    photo=$work/photo.jpg
    convert -seed 7 -size 4000x3000 plasma:fractal -attenuate 0.3 +noise Gaussian -quality 92 "$photo"
fi
read -r width height < <(identify -format '%w %h\n' "$photo")
echo "photo: $photo (${width}x${height})"

echo
echo "in process (ms, raster already decoded):"
"$bench" --benchmark_filter='ResizeHalf|ResizeTo1024x768|StretchHalfOneCore' --benchmark_min_time=0.3 2>/dev/null |
    awk '/^(Resize|Stretch)/ { printf "  %-34s %8s %s\n", $1, $2, $3 }'

q100='[Q=100,subsample-mode=off]'
im_out=(-quality 100 -sampling-factor 1x1)

# The best wall time of RUNS runs of a command, in seconds.
best() {
    local fastest=""
    for _ in $(seq "$runs"); do
        local start t
        start=$(date +%s.%N)
        "$@" > /dev/null 2>&1 || { echo "failed: $*" >&2; return 1; }
        t=$(echo "$(date +%s.%N) - $start" | bc -l)
        if [ -z "$fastest" ] || [ "$(echo "$t < $fastest" | bc -l)" = 1 ]; then fastest=$t; fi
    done
    printf '%.3f' "$fastest"
}

echo
echo "whole processes (s, decode + resize + JPEG quality 100):"
printf '  %-10s %10s %10s %10s %9s %9s\n' target vellumi magick vips magick/v vips/v
row() { # name, width, height
    local name=$1 w=$2 h=$3 tv tm tx hscale vscale
    hscale=$(echo "$w / $width" | bc -l)
    vscale=$(echo "$h / $height" | bc -l)
    tv=$(best "$cli" replay --record "크기변경 ($w,$h)" "$photo" "$work/vellumi.jpg")
    tm=$(best convert "$photo" -filter Triangle -resize "${w}x${h}!" "${im_out[@]}" "$work/magick.jpg")
    tx=$(best vips resize "$photo" "$work/vips.jpg$q100" "$hscale" --vscale "$vscale" --kernel linear)
    printf '  %-10s %10s %10s %10s %9.2f %9.2f\n' "$name" "$tv" "$tm" "$tx" \
        "$(echo "$tm / $tv" | bc -l)" "$(echo "$tx / $tv" | bc -l)"
}
row "50 %" $((width / 2)) $((height / 2))
row 1024x768 1024 768
