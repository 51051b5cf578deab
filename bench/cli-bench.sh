#!/usr/bin/env bash
# Times velmora-cli as scripts use it: export and check of the TG-UV2 example
# as whole processes, median of 100 runs, beside cat of the same file in the
# same run; then 1,000 files checked one process each.
# Usage: bench/cli-bench.sh [VELMORA-CLI]   (a Release build, e.g. build/bench/cli/velmora-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/bench/cli/velmora-cli}")
example=$PWD/examples/TG-UV2-example.DAT

# median_ms COMMAND...: the median wall time of 100 runs, in milliseconds.
median_ms() {
    local times=() start
    for _ in $(seq 100); do
        start=$(date +%s%N)
        "$@" >/dev/null
        times+=($(($(date +%s%N) - start)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 50,51p |
        awk '{ sum += $1 } END { printf "%.2f", sum / 2 / 1e6 }'
}

echo "cat:                      $(median_ms cat "$example") ms"
echo "velmora-cli export:       $(median_ms "$cli" export "$example") ms"
echo "velmora-cli check:        $(median_ms "$cli" check "$example") ms"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for i in $(seq 1000); do cp "$example" "$work/$i.DAT"; done
start=$(date +%s%N)
for i in $(seq 1000); do "$cli" check "$work/$i.DAT" >/dev/null; done
echo "1,000 files, one check each: $(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.2f", ns / 1e9 }') s"
