#!/usr/bin/env bash
# Sets up the machine, builds everything (program, tests, benchmarks) and runs all tests; then
# builds the same again with AddressSanitizer, UndefinedBehaviorSanitizer and leak detection
# (preset asan, in build-asan/) and runs the tests there too. WAYLORE_SKIP_ASAN=1 skips the
# second pass. The sanitizer build uses Clang, so that both compilers build the tree; under CI
# (CI=true) both builds take their CI presets, which fail on any warning and have folders of their
# own (build-ci/, build-ci-asan/), so that a local CI run leaves the everyday builds as they are.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -n "${CI:-}" ] && [ "${CI}" != false ]; then
    build_dir=${WAYLORE_BUILD_DIR:-$here/build-ci}; asan_preset=ci-asan; asan_dir=build-ci-asan
else
    build_dir=${WAYLORE_BUILD_DIR:-$here/build}; asan_preset=asan; asan_dir=build-asan
fi
"$here/scripts/setup.sh"
# Two jobs more than the cores, as Ninja takes by itself on larger machines: a compile waits on the
# disk now and then, and on a machine busy with other work each job is one more share of the cores.
# The suites wait on timers, local servers and windows more than they compute (on two quiet cores
# a run kept them busy less than half the time): they run as many at once.
jobs=$(($(nproc) + 2))
cmake --build "$build_dir" -j"$jobs"
mkdir -p /tmp/runtime-waylore-tests && chmod 700 /tmp/runtime-waylore-tests
ctest --test-dir "$build_dir" --output-on-failure -j"$jobs"

if [ -z "${WAYLORE_SKIP_ASAN:-}" ]; then
    cd "$here"
    cmake --preset "$asan_preset" >/dev/null
    # The suites of the native subsystems, where memory is ours to get right; the interface
    # suites add Mesa, fontconfig and the QML engine, whose own allocations leak by design, and
    # their build would double the run.
    suites=()
    for folder in core airplanes information navobjects procedures navdatabase flightplan routing export app; do
        [ -d "$asan_dir/tests/$folder" ] || continue
        mapfile -t -O "${#suites[@]}" suites < <(ctest --test-dir "$asan_dir/tests/$folder" -N | sed -n 's/^ *Test *#[0-9]*: *//p')
    done
    # A lookup table, not a pipe into grep -q: grep leaving early kills the writer with SIGPIPE,
    # which pipefail turns into a miss, and the suite would silently go unbuilt.
    declare -A known=()
    while read -r target; do known[$target]=1; done < <(ninja -C "$asan_dir" -t targets all | sed -n 's/^\([^:/]*\): .*/\1/p')
    build=()
    for suite in "${suites[@]}"; do
        if [ -n "${known[$suite]:-}" ]; then build+=("$suite"); fi
    done
    cmake --build --preset "$asan_preset" -j"$jobs" --target "${build[@]}"
    ctest --preset "$asan_preset" -j"$jobs" -R "^($(IFS='|'; echo "${suites[*]}"))\$"
fi
