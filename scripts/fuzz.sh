#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs one of them, or all one after another, for a time each.
#   scripts/fuzz.sh [target|all] [seconds]      e.g. scripts/fuzz.sh fuzz_ini 600
# GK_FUZZ_BUILD_DIR chooses the build folder (default build-fuzz). Each target keeps its corpus in
# <build>/corpus/<target> (seeded from fuzz/seeds/<target>), its log in <build>/logs/<target>.log and
# a crashing input as <build>/findings/<target>-crash-*; the script fails when a target finds one.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${GK_FUZZ_BUILD_DIR:-$here/build-fuzz}"
which="${1:-all}"
seconds="${2:-600}"
targets=(fuzz_jet_sql fuzz_jet_like fuzz_find fuzz_ini fuzz_numbers fuzz_dataservice fuzz_xml_matrix
    fuzz_analysis_file)

"$here/scripts/fuzz-deps.sh"
[ "$which" = all ] || targets=("$which")
# Runs of the script side by side share the build folder: one builds at a time.
mkdir -p "$build"
(
    flock 9
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DGK_FUZZ=ON -DGK_BUILD_TESTS=OFF -DGK_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build" --parallel "${GK_FUZZ_JOBS:-4}" --target "${targets[@]}" databases
) 9>"$build/.build-lock"

# Each shared library carries its own copy of the static platform libraries, which ASan reports as
# an ODR violation for the object model's targets.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_odr_violation=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/logs" "$build/findings"
    seeds=()
    [ -d "$here/fuzz/seeds/$target" ] && seeds=("$here/fuzz/seeds/$target")
    echo "== $target for ${seconds}s"
    if ! "$build/bin/$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$build/findings/$target-" >"$build/logs/$target.log" 2>&1; then
        echo "$target: finding, see $build/logs/$target.log"
        status=1
    fi
    grep -E '^Done [0-9]+ runs' "$build/logs/$target.log" || tail -n 5 "$build/logs/$target.log"
done
exit $status
