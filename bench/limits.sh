#!/bin/sh
# Loads a real world's database file, starts the program on it, then imports the folder, under
# address-space limits (ulimit -v), each in a child process of its own, as a machine short of
# memory would: every load and import must end with the file loaded or refused, the import done or
# refused with a message, never with the program ended by a signal or hanging (two minutes). The
# program (offscreen) is asked to quit after 20 s; by then it has loaded or refused the file.
#
#   bench/limits.sh BUILD_DIR SIMULATOR_FOLDER [LIMIT_MB ...]
#
# The folder is imported once (bench_import) into a scratch home; the limits default to
# 300 to 900 MB and 1,200 MB. Exits 1 when any load or import ended the program or hung.
set -u
if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR SIMULATOR_FOLDER [LIMIT_MB ...]" >&2
    exit 2
fi
build=$1
folder=$2
shift 2
limits=${*:-300 400 500 600 700 800 900 1200}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen
if ! HOME=$scratch "$build/bench/bench_import" "$folder" --import-only --keep-file "$scratch/world.bin" \
    >"$scratch/import.log" 2>&1; then
    cat "$scratch/import.log" >&2
    echo "the import failed" >&2
    exit 2
fi
echo "file: $(wc -c <"$scratch/world.bin") bytes"
ended=0
# Runs a benchmark under each limit, then names what became of it: ok_text on exit 0, "refused"
# on 1 (the import says why in its last progress text), 130 the program quit when asked.
stop="120"
log=$scratch/.local/share/Corvel/Waylore/Waylore.log
under_limits() {
    label=$1
    shift
    for mb in $limits; do
        (
            ulimit -v $((mb * 1024))
            rm -f "$log"
            HOME=$scratch exec timeout $stop "$@"
        ) >"$scratch/run.log" 2>&1
        rc=$?
        last=$(sed -n 's/^Last progress text: //p' "$scratch/run.log" | tail -1)
        case $rc in
        0) [ -z "$last" ] || [ "$last" = "Done" ] && what="done" || what="refused: $last" ;;
        1) what="refused" ;;
        130) grep -q "more memory than there is" "$log" && what="running, file refused" || what="running, file loaded" ;;
        124)
            what="HUNG"
            ended=$((ended + 1))
            ;;
        *)
            what="ENDED THE PROGRAM (exit $rc): $(grep -v '^$' "$scratch/run.log" | tail -1)"
            ended=$((ended + 1))
            ;;
        esac
        printf '%5s MB %s: %s\n' "$mb" "$label" "$what"
    done
}
under_limits load "$build/bench/bench_dbfile" --file "$scratch/world.bin" --runs 1
echo "loads that ended the program or hung: $ended (goal 0)"
loads=$ended
name=$(sed -n 's|^Database file: .*/\(database_v[^)]*\.bin\))$|\1|p' "$scratch/import.log")
mkdir -p "$scratch/.local/share/Corvel/Waylore"
cp "$scratch/world.bin" "$scratch/.local/share/Corvel/Waylore/$name"
stop="--preserve-status -k 10 -s INT 20"
under_limits program "$build/waylore"
rm "$scratch/.local/share/Corvel/Waylore/$name"
stop="120"
echo "program starts that ended the program or hung: $((ended - loads)) (goal 0)"
loads=$ended
under_limits import "$build/bench/bench_import" "$folder" --import-only --all-cores
echo "imports that ended the program or hung: $((ended - loads)) (goal 0)"
[ "$ended" -eq 0 ]
