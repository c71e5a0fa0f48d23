#!/bin/bash
# Runs vellumi-cli effect side by side with ImageMagick (convert) and
# libvips (vips) doing the nearest equivalent operation on one 12-megapixel
# JPEG, whole processes including decode and a quality-100 JPEG encode, and
# prints the best of RUNS timings and the ratios peer / vellumi.
#
#   bench/compare_effects.sh [BUILD_DIR] [PHOTO.jpg]
#
# BUILD_DIR defaults to build (it must hold bin/vellumi-cli, and
# bench/vellumi_bench for the memory limit). Without a photo one is made
# with ImageMagick (a seeded plasma with grain, 4000 x 3000). RUNS (default
# 3) sets the repetitions.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cli=$build/bin/vellumi-cli
bench=$build/bench/vellumi_bench
runs=${RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in convert vips "$cli"; do
    command -v "$tool" > /dev/null || { echo "missing: $tool" >&2; exit 1; }
done

photo=${2:-}
if [ -z "$photo" ]; then
    photo=$work/photo.jpg
    convert -seed 7 -size 4000x3000 plasma:fractal -attenuate 0.3 +noise Gaussian -quality 92 "$photo"
fi
echo "photo: $photo ($(identify -format '%wx%h' "$photo"))"

# 3 x 3 kernels for vips conv and recomb (matrix files: width height scale offset).
printf '3 3 16 0\n1 2 1\n2 4 2\n1 2 1\n' > "$work/blur.mat"
printf '3 3 1 128\n-1 -1 0\n-1 0 1\n0 1 1\n' > "$work/emboss.mat"
printf '3 3\n0.393 0.769 0.189\n0.349 0.686 0.168\n0.272 0.534 0.131\n' > "$work/sepia.mat"

q100='[Q=100,subsample-mode=off]'
im_out=(-quality 100 -sampling-factor 1x1)

# The best wall time of RUNS runs of a command, in seconds.
best() {
    local best_time=""
    for _ in $(seq "$runs"); do
        local start end t
        start=$(date +%s.%N)
        "$@" > /dev/null 2>&1 || { echo "failed: $*" >&2; return 1; }
        end=$(date +%s.%N)
        t=$(echo "$end - $start" | bc -l)
        if [ -z "$best_time" ] || [ "$(echo "$t < $best_time" | bc -l)" = 1 ]; then best_time=$t; fi
    done
    printf '%.3f' "$best_time"
}

vips_mosaic() {
    vips subsample "$photo" "$work/small.v" 6 6 && vips zoom "$work/small.v" "$work/vips.jpg$q100" 6 6
}

printf '%-12s %10s %10s %10s %9s %9s\n' operation vellumi magick vips magick/v vips/v
row() { # name, vellumi args, magick args, vips command (or -)
    local name=$1 vargs=$2 margs=$3 vcmd=$4
    local tv tm tx
    # shellcheck disable=SC2086
    tv=$(best "$cli" effect "$photo" "$work/vellumi.jpg" $vargs)
    # shellcheck disable=SC2086
    tm=$(best convert "$photo" $margs "${im_out[@]}" "$work/magick.jpg")
    if [ "$vcmd" = - ]; then
        printf '%-12s %10s %10s %10s %9.2f %9s\n' "$name" "$tv" "$tm" n/a "$(echo "$tm / $tv" | bc -l)" n/a
        return
    fi
    # shellcheck disable=SC2086
    tx=$(best $vcmd)
    printf '%-12s %10s %10s %10s %9.2f %9.2f\n' "$name" "$tv" "$tm" "$tx" \
        "$(echo "$tm / $tv" | bc -l)" "$(echo "$tx / $tv" | bc -l)"
}

row brightness "28 20" "-evaluate add 7.84%" "vips linear $photo $work/vips.jpg$q100 1 20 --uchar"
row contrast "29 30" "-brightness-contrast 0x12" "vips linear --uchar -- $photo $work/vips.jpg$q100 1.1176 -14.94"
row posterize "5 15" "-posterize 17" -
row sepia "31 35" "-sepia-tone 80%" "vips recomb $photo $work/vips.jpg$q100 $work/sepia.mat"
row grey "24" "-colorspace Gray" "vips colourspace $photo $work/vips.jpg$q100 b-w"
row blur3x3 "3 0" "-define convolve:scale=! -morphology Convolve 3x3:1,2,1,2,4,2,1,2,1" \
    "vips conv $photo $work/vips.jpg$q100 $work/blur.mat --precision integer"
row emboss "11 30" "-emboss 1" "vips conv $photo $work/vips.jpg$q100 $work/emboss.mat --precision integer"
row mosaic "7 6" "-scale 16.6667% -scale 600%" vips_mosaic
row sharpen "27 50" "-sharpen 0x1" "vips sharpen $photo $work/vips.jpg$q100"
row splitblur "4 5" "-blur 0x5" "vips gaussblur $photo $work/vips.jpg$q100 5 --precision integer"
row softglow "32 10" "( +clone -blur 0x2 ) -compose blend -define compose:args=88 -composite" \
    "vips gaussblur $photo $work/vips.jpg$q100 2 --precision integer"

if [ -x "$bench" ]; then
    echo
    echo "one-pass limit on 48 MB and the effects in process:"
    "$bench" --benchmark_filter='MemoryPass|Copy48' --benchmark_min_time=0.2 2>/dev/null | grep -E '^(MemoryPass|Copy48)'
fi
