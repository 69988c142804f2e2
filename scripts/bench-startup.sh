#!/usr/bin/env bash
# Process start to first preview load finished, offscreen, over N runs (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
binary=${BRINDLE_BINARY:-./build/src/app/brindle}
export QT_QPA_PLATFORM=offscreen BRINDLE_EXIT_AFTER_FIRST_LOAD=1
[[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
times=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$binary" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to first preview load (ms): median ${sorted[$((runs / 2))]}, min ${sorted[0]}, max ${sorted[$((runs - 1))]}"
