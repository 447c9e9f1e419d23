#!/usr/bin/env bash
# Sets up the machine, builds Waylore and starts it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${WAYLORE_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
cmake --build "$build_dir" -j"$(nproc)" --target waylore
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build_dir/waylore" "$@"
fi
echo "No display found: starting Waylore inside a virtual X server (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x800x24" "$build_dir/waylore" "$@"
