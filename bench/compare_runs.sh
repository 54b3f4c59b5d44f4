#!/usr/bin/env bash
# A million counts with the window shown, at every mean, for two builds run
# in turn (the figures before a change beside those after it), so that both
# see the same machine at the same moment. Prints, for each mean, the median
# of REPEAT runs of each and their ratio.
#
#   bench/compare_runs.sh BEFORE_BENCH AFTER_BENCH [REPEAT [BENCH OPTIONS…]]
#
# Each argument is a kolven-bench program that takes --means (a build of an
# older tree needs this bench's source copied in first: an older bench runs
# its own means and its first figure would stand for every mean); the window
# is on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail

before=$1
after=$2
repeat=${3:-5}
options=("${@:4}")
means=(0.1 9 36 100 170)
results=$(mktemp)
trap 'rm -f "$results"' EXIT

seconds_of() {
    sed -n 's/.*whole run with the window ([^)]*): \([0-9.]*\) s.*resident after the run \([0-9]*\) kB.*/\1 \2/p;
            s/.*whole run with the window ([^)]*): \([0-9.]*\) s.*/\1 -/p' | head -n 1
}

for ((r = 1; r <= repeat; ++r)); do
    for mean in "${means[@]}"; do
        for which in before after; do
            bench=${!which}
            echo "$mean $which $("$bench" --window-only --repeat 1 --means "$mean" "${options[@]}" | seconds_of)" >>"$results"
        done
    done
done

middle=$(((repeat + 1) / 2))
printf '%-6s %10s %10s %7s %14s\n' mean before_s after_s ratio after_rss_kB
for mean in "${means[@]}"; do
    b=$(awk -v m="$mean" '$1 == m && $2 == "before" { print $3 }' "$results" | sort -g | sed -n "${middle}p")
    a=$(awk -v m="$mean" '$1 == m && $2 == "after" { print $3 }' "$results" | sort -g | sed -n "${middle}p")
    rss=$(awk -v m="$mean" '$1 == m && $2 == "after" { print $4 }' "$results" | sort -g | sed -n "${middle}p")
    awk -v m="$mean" -v b="$b" -v a="$a" -v rss="$rss" 'BEGIN { printf "%-6s %10s %10s %7.2f %14s\n", m, b, a, a / b, rss }'
done
