#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers, and runs each for the given seconds.
#   fuzz/kurzlauf.sh SEKUNDEN [BAUORDNER] [ZIEL...]
set -euo pipefail
sekunden=${1:-60}
quelle=$(cd "$(dirname "$0")/.." && pwd)
bau=${2:-$quelle/build-fuzz}
shift $(( $# > 2 ? 2 : $# ))
ziele=("$@")
if [ ${#ziele[@]} -eq 0 ]; then
    ziele=(formel format ini block)
    [ -f "$quelle/fuzz/text/CMakeLists.txt" ] && ziele+=(text)
    for datei in "$quelle"/fuzz/algebra/fuzz_*.cpp "$quelle"/fuzz/dateien/fuzz_*.cpp \
        "$quelle"/fuzz/fenster/fuzz_*.cpp; do
        [ -f "$datei" ] && ziele+=("$(basename "$datei" .cpp | sed 's/^fuzz_//')")
    done
fi
if ! command -v clang++ >/dev/null; then
    echo "clang++ fehlt: apt-get install clang libclang-rt-14-dev"
    exit 0
fi
cmake -S "$quelle" -B "$bau" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOL_FUZZ=ON -DZOL_BUILD_GUI=ON -DZOL_BUILD_TESTS=OFF -DZOL_BUILD_BENCH=OFF >/dev/null
cmake --build "$bau" --target "${ziele[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen
# Fontconfig keeps caches for the life of the process; they are no leak of ours.
export LSAN_OPTIONS=suppressions=$quelle/fuzz/text/lsan.supp
for ziel in "${ziele[@]}"; do
    programm=$(find "$bau/fuzz" -type f -name "fuzz_$ziel" | head -n 1)
    korpus=$bau/korpus-$ziel
    saat=$quelle/fuzz/korpus/$ziel
    [ -d "$saat" ] || saat=$quelle/fuzz/$ziel/korpus
    [ -d "$saat" ] || saat=$quelle/fuzz/algebra/korpus/$ziel
    [ -d "$saat" ] || saat=$quelle/fuzz/dateien/korpus/$ziel
    [ -d "$saat" ] || saat=$quelle/fuzz/fenster/korpus/$ziel
    mkdir -p "$korpus" "$bau/artefakte"
    echo "== fuzz_$ziel, $sekunden s"
    # The working corpus grows in the build folder; the committed seeds stay as they are.
    protokoll=$bau/protokoll-$ziel.txt
    status=0
    "$programm" -max_total_time="$sekunden" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
        -artifact_prefix="$bau/artefakte/$ziel-" -print_final_stats=1 "$korpus" "$saat" \
        >"$protokoll" 2>&1 || status=$?
    grep -E '^(Done|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)|deadly|crash|timeout' \
        "$protokoll" || true
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$ziel: Befund, siehe $protokoll und $bau/artefakte"
        exit 1
    fi
done
