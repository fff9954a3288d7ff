#!/usr/bin/env bash
# Builds the program and starts it; arguments are handed to zol (for example --run FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target zol
exec build/app/zol "$@"
