#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, if any is missing.
# As root it runs apt-get itself; otherwise it prints the exact command and stops.
set -euo pipefail

pakete=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
    libgtest-dev libbenchmark-dev libmuparser-dev
    clang libclang-rt-14-dev
    xvfb xauth
)

fehlend=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$p")
    fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

befehl="apt-get install -y --no-install-recommends ${fehlend[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Es fehlen Debian-Pakete. Bitte als root ausführen:" >&2
    echo "  apt-get update && $befehl" >&2
    exit 1
fi
echo "Installiere fehlende Pakete: ${fehlend[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
