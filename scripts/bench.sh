#!/usr/bin/env bash
# Builds a Release tree, generates the large database once per generator version, runs every
# benchmark case with its floor and prints the table of them. Google Benchmark's JSON goes to
# <build>/bench-results.json. Arguments are passed to gk_bench (for example
# --benchmark_filter=designation).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${GK_BENCH_BUILD_DIR:-$here/build-rel}"
data="$build/bench-data"
steels="${GK_BENCH_STEELS:-100000}"
jobs="${GK_BENCH_JOBS:-$(nproc)}"

"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGK_BUILD_BENCH=ON \
    -Dgk_bench_steels="$steels" >/dev/null
cmake --build "$build" --parallel "$jobs" --target gk_generate_db gk_bench

# The generator's version: its sources, the schema it writes and the steel count. A database made by
# another version is made again.
version="$(cd "$here" && cat bench/generator/CMakeLists.txt bench/generator/main.cpp \
    bench/generator/include/generator/*.h bench/generator/src/* data/schema/*.sql |
    sha256sum | cut -d' ' -f1)-$steels"
stamp="$data/generator-version"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$version" ] ||
    [ ! -f "$data/Graukant.MDB" ] || [ ! -f "$data/Filter.mdb" ]; then
    rm -rf "$data"
    "$build/bin/gk_generate_db" --output "$data" --steels "$steels" --seed 1
    echo "$version" >"$stamp"
fi

GK_BENCH_DB_DIR="$data" "$build/bin/gk_bench" \
    --benchmark_repetitions="${GK_BENCH_REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$build/bench-results.json" --benchmark_out_format=json "$@"
