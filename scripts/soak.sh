#!/usr/bin/env bash
# The soak run: 2,000 traditional games and 300 evolution levels in one
# process, through the real windows offscreen under the driver's virtual
# clock. Prints the resident memory (VmRSS) after game 100 and after the last
# game, and the growth; exits 3 when it grew by 2 MB or more, 1 when a game
# went wrong.
#
#   scripts/soak.sh [default|asan] [quenza-soak options, see --help]
#
# QUENZA_BUILD_DIR builds and runs in another folder than the preset's.
# Under AddressSanitizer the figures include the sanitizer's own quarantine:
# that run is for its reports (leaks included), not for the memory figures.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
[ $# -gt 0 ] && shift
case "$preset" in
default | asan) ;;
*)
    echo "usage: $0 [default|asan] [quenza-soak options]" >&2
    exit 2
    ;;
esac
build_dir=${QUENZA_BUILD_DIR:-build/$preset}

cmake --preset "$preset" -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target quenza-soak -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
if [ "$preset" = asan ]; then
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
echo "=== quenza-soak ($preset build)"
status=0
"$build_dir/bin/quenza-soak" "$@" || status=$?
if [ "$preset" = asan ] && [ "$status" -eq 3 ]; then
    echo "(the sanitizer's quarantine is in these figures: the default build measures growth)"
    status=0
fi
exit "$status"
