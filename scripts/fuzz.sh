#!/usr/bin/env bash
# Fuzzes every reader of hand-edited data for SECONDS each (default 60).
#
#   scripts/fuzz.sh [SECONDS]
#
# Builds the `fuzz` preset (clang, libFuzzer, ASan + UBSan), runs each target
# on a scratch copy of its corpus (new inputs land in build/fuzz/findings/),
# and minimises every crash or timeout into tests/fuzz/corpus/<target>/ as a
# regression input that the normal build replays. Exits non-zero when anything
# was found. The CI only replays the corpus; it never runs this script.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
targets=(theme_line theme_library ranking saved_game text)
bin=build/fuzz/bin
scratch=build/fuzz/findings

cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

found=0
for target in "${targets[@]}"; do
    corpus=tests/fuzz/corpus/$target
    work=$scratch/$target
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp "$corpus"/* "$work/corpus/"
    echo "=== $target: ${seconds}s"
    # A finding stops libFuzzer with a non-zero status; the artifacts say what.
    "$bin/fuzz_$target" "$work/corpus" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$work/artifacts/" -print_final_stats=1 2>&1 |
        tee "$work/log" | grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|ERROR|broken invariant' || true

    for artifact in "$work/artifacts"/{crash,timeout,leak,oom}-*; do
        [ -e "$artifact" ] || continue
        found=1
        name=$(basename "$artifact")
        minimised=$work/artifacts/min-$name
        "$bin/fuzz_$target" "$artifact" -minimize_crash=1 -max_total_time=60 -timeout=10 \
            -exact_artifact_path="$minimised" >"$work/minimise-$name.log" 2>&1 || true
        [ -s "$minimised" ] || minimised=$artifact
        cp "$minimised" "$corpus/regression-$name"
        echo "!!! $target: $name -> $corpus/regression-$name"
    done
done

if [ "$found" -ne 0 ]; then
    echo "Findings were saved in tests/fuzz/corpus as regression inputs; see $scratch/*/log."
    exit 1
fi
echo "No findings."
