#!/usr/bin/env bash
# Builds the bench programs if needed and runs each in turn: every promised figure as
# median, min and max, with its target and its ratio against a baseline measured in
# the same run. Usage: bench/report.sh [BUILD_DIR]   (default: build)
# Exits 1 when a bench program fails; a missed target is only reported.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [[ ! -f $build/CMakeCache.txt ]]; then
    echo "no configured build in $build: run tools/build.sh first" >&2
    exit 2
fi

benches=(engine/bench_engine placedb/bench_placedb orveldb/bench_orveldb startup/bench_startup infowin/bench_infowin wheel/bench_wheel desktop/bench_desktop dialogs/bench_dialogs batch/bench_batch)
targets=()
for bench in "${benches[@]}"; do
    targets+=("${bench#*/}")
done
cmake --build "$build" --target "${targets[@]}" >/dev/null || {
    echo "building ${targets[*]} in $build failed" >&2
    exit 2
}

echo "OrvelWin benchmark report, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"
status=0
for bench in "${benches[@]}"; do
    echo
    "$build/bench/$bench" || { echo "${bench#*/} failed (exit status $?)"; status=1; }
done
exit $status
