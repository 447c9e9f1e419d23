#!/usr/bin/env bash
# Sets up the machine, builds everything (program, tests, benchmarks) and runs all tests; then
# builds the same again with AddressSanitizer, UndefinedBehaviorSanitizer and leak detection
# (preset asan, in build-asan/) and runs the tests there too. WAYLORE_SKIP_ASAN=1 skips the
# second pass. The sanitizer build uses Clang, so that both compilers build the tree; under CI
# (CI=true) both builds take their CI presets, which fail on any warning.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${WAYLORE_BUILD_DIR:-$here/build}
if [ -n "${CI:-}" ] && [ "${CI}" != false ]; then asan_preset=ci-asan; else asan_preset=asan; fi
"$here/scripts/setup.sh"
cmake --build "$build_dir" -j"$(nproc)"
mkdir -p /tmp/runtime-waylore-tests && chmod 700 /tmp/runtime-waylore-tests
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"

if [ -z "${WAYLORE_SKIP_ASAN:-}" ]; then
    cd "$here"
    cmake --preset "$asan_preset" >/dev/null
    # The suites of the native subsystems, where memory is ours to get right; the interface
    # suites add Mesa, fontconfig and the QML engine, whose own allocations leak by design, and
    # their build would double the run.
    suites=()
    for folder in core airplanes information navobjects procedures navdatabase flightplan routing export app; do
        [ -d "build-asan/tests/$folder" ] || continue
        mapfile -t -O "${#suites[@]}" suites < <(ctest --test-dir "build-asan/tests/$folder" -N | sed -n 's/^ *Test *#[0-9]*: *//p')
    done
    # A lookup table, not a pipe into grep -q: grep leaving early kills the writer with SIGPIPE,
    # which pipefail turns into a miss, and the suite would silently go unbuilt.
    declare -A known=()
    while read -r target; do known[$target]=1; done < <(ninja -C build-asan -t targets all | sed -n 's/^\([^:/]*\): .*/\1/p')
    build=()
    for suite in "${suites[@]}"; do
        if [ -n "${known[$suite]:-}" ]; then build+=("$suite"); fi
    done
    cmake --build --preset "$asan_preset" -j"$(nproc)" --target "${build[@]}"
    ctest --preset "$asan_preset" -j"$(nproc)" -R "^($(IFS='|'; echo "${suites[*]}"))\$"
fi
