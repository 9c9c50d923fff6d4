#!/usr/bin/env bash
# Fuzzes every reader of hand-edited data for SECONDS each (default 60).
#
#   scripts/fuzz.sh [SECONDS]
#   scripts/fuzz.sh [--runs N] [--no-build] [SECONDS] [TARGET...]
#
# Builds the `fuzz` preset (clang, libFuzzer, ASan + UBSan), runs each target
# on a scratch copy of its corpus (new inputs land in build/fuzz/findings/),
# and minimises every crash or timeout into tests/fuzz/corpus/<target>/ as a
# regression input that the normal build replays. Exits non-zero when anything
# was found. The CI only replays the corpus; it never runs this script.
#
# --runs N stops each target after N executions instead of after SECONDS;
# --no-build runs the binaries as they are (another run may be using them);
# naming targets runs only those. Two runs of different targets may go on at
# once: each has its own scratch folder.
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(theme_line theme_library ranking saved_game text)
seconds=60
runs=
build=1
targets=()
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    [0-9]*) seconds=$1; shift ;;
    *) targets+=("$1"); shift ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

# The longest input worth trying per target: a theme is one line, a ranking
# or a save file a few dozen lines, and a decoding fault shows within a few
# short lines; longer inputs only slow every execution down.
declare -A max_len=([theme_line]=300 [theme_library]=2048 [ranking]=1024 [saved_game]=2048
                    [text]=256)

bin=build/fuzz/bin
scratch=build/fuzz/findings

if [ "$build" -eq 1 ]; then
    cmake --preset fuzz
    cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"
fi

# A small quarantine and no allocation stacks while fuzzing (far fewer page
# faults and stack walks per execution); minimising a finding runs with the
# full reports.
fast_asan=detect_leaks=1:abort_on_error=1:malloc_context_size=0:quarantine_size_mb=16
full_asan=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ -n "$runs" ]; then
    limit=(-runs="$runs")
    what="$runs runs"
else
    limit=(-max_total_time="$seconds")
    what="${seconds}s"
fi

found=0
for target in "${targets[@]}"; do
    corpus=tests/fuzz/corpus/$target
    work=$scratch/$target
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp "$corpus"/* "$work/corpus/"
    echo "=== $target: $what"
    # A finding stops libFuzzer with a non-zero status; the artifacts say what.
    ASAN_OPTIONS=$fast_asan "$bin/fuzz_$target" "$work/corpus" "${limit[@]}" -timeout=10 \
        -max_len="${max_len[$target]}" -artifact_prefix="$work/artifacts/" \
        -print_final_stats=1 2>&1 |
        tee "$work/log" | grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|ERROR|broken invariant' || true

    for artifact in "$work/artifacts"/{crash,timeout,leak,oom}-*; do
        [ -e "$artifact" ] || continue
        found=1
        name=$(basename "$artifact")
        minimised=$work/artifacts/min-$name
        ASAN_OPTIONS=$full_asan "$bin/fuzz_$target" "$artifact" -minimize_crash=1 \
            -max_total_time=60 -timeout=10 -exact_artifact_path="$minimised" \
            >"$work/minimise-$name.log" 2>&1 || true
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
