#!/bin/bash
# The whole CI run on a busy machine: a fresh clone of the current commit runs .ci/run (CI=true:
# set-up, build, tests, the sanitizer build and its tests) on two cores, beside two endless loops
# on the same cores. Prints how long each pass took and the total beside its goal.
#
#   bench/busyci.sh [CORES] [LOG]
#
# CORES defaults to 0-1 (taskset's list); the clone goes to a scratch folder that is removed at the
# end, the run's output to LOG (default: busyci.log in the scratch folder's parent). Exits 1 when
# the run failed or took 30 minutes or more.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cores=${1:-0-1}
scratch=$(mktemp -d)
log=${2:-$(dirname "$scratch")/busyci.log}
loops=()
stop() {
    [ ${#loops[@]} -gt 0 ] && kill "${loops[@]}" 2>/dev/null
    rm -rf "$scratch"
}
trap stop EXIT
git clone -q "$here" "$scratch/clone" || exit 2
for _ in 1 2; do
    taskset -c "$cores" sh -c 'while :; do :; done' &
    loops+=($!)
done
stamp() { date +%s; }
start=$(stamp)
# Each line of the run with the seconds since the start, to tell the passes apart afterwards.
(cd "$scratch/clone" && taskset -c "$cores" env CI=true bash ./.ci/run </dev/null 2>&1) |
    while IFS= read -r line; do printf '%5d %s\n' $(($(stamp) - start)) "$line"; done >"$log"
rc=${PIPESTATUS[0]}
total=$(($(stamp) - start))
# A pass ends where the next begins: the first compile, the first test, the end of the first tests
# and the first test after it, the sanitizer's.
at() { grep -m1 -nE "$1" "$log" | cut -d: -f1; }
seconds() { [ -n "$1" ] && sed -n "${1}p" "$log" | awk '{print $1}'; }
build=$(seconds "$(at '\[[0-9]+/[0-9]+\] ')")
tests=$(seconds "$(at 'Test +#[0-9]+:')")
ended=$(at 'Total Test time')
asan=$(seconds "$ended")
asan_tests=""
if [ -n "$ended" ]; then
    line=$(tail -n +"$((ended + 1))" "$log" | grep -m1 -nE 'Test +#[0-9]+:' | cut -d: -f1)
    [ -n "$line" ] && asan_tests=$(seconds $((ended + line)))
fi
minutes() { awk -v s="$1" 'BEGIN {printf "%.1f min", s / 60}'; }
echo "set-up and configure: $(minutes "${build:-0}")"
[ -n "$tests" ] && echo "build: $(minutes $((tests - build)))"
[ -n "$asan" ] && echo "tests: $(minutes $((asan - tests)))"
[ -n "$asan_tests" ] && echo "sanitizer build: $(minutes $((asan_tests - asan)))"
[ -n "$asan_tests" ] && echo "sanitizer tests: $(minutes $((total - asan_tests)))"
echo "total: $(minutes "$total") (goal: under 30 min on two busy cores), exit status $rc, log $log"
[ "$rc" -eq 0 ] && [ "$total" -lt 1800 ]
