#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from the project's .clang-format, and names it.
# Tables aligned by hand sit between "// clang-format off" and "// clang-format on".
# CLANG_FORMAT picks another binary; the style is written for Debian 12's clang-format 14.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
clang_format=${CLANG_FORMAT:-clang-format}
command -v "$clang_format" >/dev/null 2>&1 || { echo "check-format: $clang_format not found" >&2; exit 1; }

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    # An exported tree without git: every source file outside the build folders.
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "check-format: no C++ files found" >&2; exit 1; }

report=$(mktemp "${TMPDIR:-/tmp}/check-format.XXXXXX")
trap 'rm -f "$report"' EXIT

# Status and messages are kept apart: a file clang-format cannot read is a failure too.
status=0
"$clang_format" --dry-run -Werror "${files[@]}" 2>"$report" || status=$?
if [ "$status" -eq 0 ]; then
    echo "check-format: ${#files[@]} files follow .clang-format"
    exit 0
fi
differing=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' "$report" | sort -u)
if [ -n "$differing" ]; then
    sed 's/^/differs: /' <<<"$differing" >&2
    echo "check-format: $(wc -l <<<"$differing") of ${#files[@]} files differ; run $clang_format -i on them" >&2
else
    # Not a formatting difference (an unreadable file, a bad .clang-format): show what it said.
    cat "$report" >&2
    echo "check-format: $clang_format failed with status $status" >&2
fi
exit 1
