#!/usr/bin/env bash
# Sets up the machine, builds everything (program, tests, benchmarks) and runs all tests.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${WAYLORE_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
cmake --build "$build_dir" -j"$(nproc)"
mkdir -p /tmp/runtime-waylore-tests && chmod 700 /tmp/runtime-waylore-tests
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
