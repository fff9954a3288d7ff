#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for the given seconds.
#   fuzz/kurzlauf.sh SEKUNDEN [BAUORDNER]
set -euo pipefail
sekunden=${1:-60}
quelle=$(cd "$(dirname "$0")/.." && pwd)
bau=${2:-$quelle/build-fuzz}
if ! command -v clang++ >/dev/null; then
    echo "clang++ fehlt: apt-get install clang libclang-rt-14-dev"
    exit 0
fi
cmake -S "$quelle" -B "$bau" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOL_FUZZ=ON -DZOL_BUILD_TESTS=OFF -DZOL_BUILD_BENCH=OFF -DZOL_BUILD_GUI=OFF >/dev/null
cmake --build "$bau" --target fuzz_formel fuzz_format fuzz_ini
for ziel in formel format ini; do
    korpus=$bau/korpus-$ziel
    mkdir -p "$korpus" "$bau/artefakte"
    # The working corpus grows in the build folder; the committed seeds stay as they are.
    "$bau/fuzz/fuzz_$ziel" -max_total_time="$sekunden" -timeout=5 -rss_limit_mb=2048 \
        -max_len=4096 -artifact_prefix="$bau/artefakte/$ziel-" -print_final_stats=1 \
        "$korpus" "$quelle/fuzz/korpus/$ziel" 2>&1 | tail -n 12
done
