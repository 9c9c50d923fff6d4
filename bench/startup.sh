#!/usr/bin/env bash
# Start-up measured side by side, offscreen: a bare Qt window that shows one
# line of text and quits once painted (the floor), the game until its splash
# is on screen, and the game until the first traditional board is dealt (the
# last two through quenza-driver, which quits at that point). Runs alternate,
# one of each per round, so a machine that gets busier slows every program
# alike. Prints medians, quartiles and the two ratios (also as medians of the
# per-round ratios), and the resident memory at the first board.
#
#   bench/startup.sh [--runs N] [--warmup N] [--bin DIR] [--compare DIR]...
#
#   --runs N       rounds to time (default 30)
#   --warmup N     untimed rounds first (default 3)
#   --bin DIR      take the programs from DIR instead of building build/default
#   --compare DIR  also time the game from another bin folder (an older
#                  build, say) in the same rounds; may be given again
#
# It is a measurement, not a test: the machine's load shows in the spread.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=30
warmup=3
bin=""
compare=()
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2 && shift 2 ;;
    --warmup) warmup=$2 && shift 2 ;;
    --bin) bin=$2 && shift 2 ;;
    --compare) compare+=("$2") && shift 2 ;;
    *)
        sed -n '2,/^set -euo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//' >&2
        exit 2
        ;;
    esac
done

for tool in hyperfine python3; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: scripts/install-deps.sh installs it" >&2
        exit 1
    }
done

if [ -z "$bin" ]; then
    build_dir=${QUENZA_BUILD_DIR:-build/default}
    [ -f "$build_dir/build.ninja" ] || cmake --preset default -B "$build_dir" >/dev/null
    cmake --build "$build_dir" --target quenza-driver quenza-bare-window -j "$(nproc)" >/dev/null
    bin=$build_dir/bin
fi
bin=$(cd "$bin" && pwd)
bare=$bin/quenza-bare-window
[ -x "$bare" ] || bare=${QUENZA_BUILD_DIR:-build/default}/bin/quenza-bare-window
for dir in "$bin" "${compare[@]}"; do
    [ -x "$dir/quenza-driver" ] || {
        echo "no quenza-driver in $dir" >&2
        exit 1
    }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'start\nquit\n' >"$work/splash.qs"
printf 'start\nkey Inicio "q"\nmenu Form1.tradicional\nexpect Form1.numero.text != "0"\nquit\n' \
    >"$work/board.qs"

export QT_QPA_PLATFORM=offscreen
# Every program must succeed once before it is timed.
"$bare" 2>/dev/null
labels=("bare window")
commands=("$bare")
for dir in "$bin" "${compare[@]}"; do
    name=""
    [ "$dir" = "$bin" ] || name=" [$(basename "$(dirname "$dir")")/$(basename "$dir")]"
    for what in splash board; do
        "$dir/quenza-driver" "$work/$what.qs" >/dev/null
        labels+=("$what$name")
        commands+=("$dir/quenza-driver $work/$what.qs")
    done
done

run_round() {
    local round=$1 i
    local args=(--shell=none --runs 1 --style none --export-json "$work/round-$round.json")
    for i in "${!commands[@]}"; do
        args+=(--command-name "${labels[$i]}" "${commands[$i]}")
    done
    hyperfine "${args[@]}" >/dev/null
}

for ((round = 0; round < warmup; ++round)); do
    run_round warmup
done
for ((round = 1; round <= runs; ++round)); do
    run_round "$round"
    printf '\r%d/%d rounds' "$round" "$runs" >&2
done
printf '\n' >&2

memory() {
    /usr/bin/env python3 - "$@" <<'EOF'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
EOF
}
for dir in "$bin" "${compare[@]}"; do
    echo "$dir $(memory "$dir/quenza-driver" "$work/board.qs")" >>"$work/memory.txt"
done

python3 - "$work" "$runs" <<'EOF'
import json, statistics, sys
from pathlib import Path

work, runs = Path(sys.argv[1]), int(sys.argv[2])
wall, cpu = {}, {}
for round in range(1, runs + 1):
    for result in json.loads((work / f"round-{round}.json").read_text())["results"]:
        wall.setdefault(result["command"], []).append(result["mean"] * 1000)
        cpu.setdefault(result["command"], []).append((result["user"] + result["system"]) * 1000)

def quartiles(values):
    q = statistics.quantiles(values, n=4)
    return q[0], statistics.median(values), q[2]

def table(title, times):
    print(f"{title:30} {'median':>8} {'q1':>8} {'q3':>8} {'min':>8} {'max':>8}")
    for name, values in times.items():
        q1, median, q3 = quartiles(values)
        print(f"{name:30} {median:8.1f} {q1:8.1f} {q3:8.1f} {min(values):8.1f} {max(values):8.1f}")
    floor = times["bare window"]
    print(f"{'  ratio to bare window':30} {'medians':>8} {'paired':>8} {'q1':>8} {'q3':>8}")
    for name, values in times.items():
        if name == "bare window":
            continue
        paired = [a / b for a, b in zip(values, floor)]
        q1, median, q3 = quartiles(paired)
        whole = statistics.median(values) / statistics.median(floor)
        print(f"{'  ' + name:30} {whole:8.2f} {median:8.2f} {q1:8.2f} {q3:8.2f}")
    print()

print(f"{runs} alternating rounds, offscreen, times in ms")
table("wall-clock", wall)
# On a busy machine the processor time a start took varies less than its wall time.
table("processor (user+sys)", cpu)
print()
for line in (work / "memory.txt").read_text().splitlines():
    folder, kilobytes = line.rsplit(" ", 1)
    print(f"peak resident memory at the first board: {int(kilobytes) / 1024:.1f} MB ({folder})")
EOF
