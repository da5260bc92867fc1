#!/usr/bin/env bash
# Installs what is missing, builds a Release tree and starts the program on the built sample databases.
# A velmo2007.ini beside the program is written only when there is none, so the user's settings stay.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${GK_RUN_BUILD_DIR:-$here/build-rel}"

"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGK_BUILD_TESTS=OFF -DGK_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)"

bin="$build/bin"
ini="$bin/velmo2007.ini"
if [ ! -f "$ini" ]; then
    cat > "$ini" <<INI
[Global]
DBPath=$bin/Datenbank/
FilterDbPath=$bin/Datenbank/
INI
    echo "Wrote $ini with the sample databases in $bin/Datenbank/"
fi
exec "$bin/Graukant_2007" "$@"
