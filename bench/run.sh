#!/bin/sh
# bench/run.sh [DIR] [sonorelo-bench options]
#
# Makes the benchmark collection in DIR (default build/bench-collection) unless DIR already
# holds table files, then prints the figures of sonorelo-bench (the table engine) and of
# sonorelo-appbench (the whole program: start-up, index rebuild, reinitialise) on it, one line
# each:
#   NAME: ours X ms, baseline Y ms, ratio Z
# and the program's absolute start-up time and peak resident memory. The options go to both.
# Builds nothing: build first with `cmake --preset default && cmake --build build`.
# SCALE=0.01 bench/run.sh /tmp/small makes and measures a collection a hundredth the size.
#
# Expected runtime on the build machine (2 cores) at full size: about 10 s to write the
# collection (270 MB; once, later runs reuse it), about 45 s for the figures of sonorelo-bench,
# most of it the three rounds of the AddIndex figure, and about a minute for those of
# sonorelo-appbench, most of it the reinitialise (run twice, on fresh copies, about 20 s each).
# The copies they work on need about 1.1 GB of free space beside DIR for the length of the run.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/bin"
dir=${1:-"$root/build/bench-collection"}
[ $# -gt 0 ] && shift

for tool in sonorelo-generate sonorelo-bench sonorelo-appbench; do
    if [ ! -x "$bin/$tool" ]; then
        echo "run.sh: $bin/$tool is missing; build first: cmake --preset default && cmake --build build" >&2
        exit 1
    fi
done

holds_table_files() {
    [ -d "$1" ] || return 1
    for file in "$1"/* "$1"/.*; do
        [ -f "$file" ] || continue
        case $(basename "$file" | tr '[:upper:]' '[:lower:]') in
            artista.db | cd.db | retirada.db | musica.db) return 0 ;;
        esac
    done
    return 1
}

if holds_table_files "$dir"; then
    echo "run.sh: using the collection already in $dir" >&2
else
    "$bin/sonorelo-generate" --scale "${SCALE:-1}" "$dir"
fi
"$bin/sonorelo-bench" "$@" "$dir"
exec "$bin/sonorelo-appbench" "$@" "$dir"
