#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need, when one is missing, and
# the packages named as arguments (the fuzz build's own, from scripts/fuzz-deps.sh).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsqlite3-dev libicu-dev libpugixml-dev
    qt6-base-dev qt6-translations-l10n libgl-dev xdg-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils
    python3
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
