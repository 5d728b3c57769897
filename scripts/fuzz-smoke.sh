#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a short while (seconds, default
# 30) from its seeds and the sample library; any crash, leak or failed check
# fails the run. For longer runs see fuzz/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for target in songfile settingsfile settingswrite rtfwriter songbookargs setlistfile; do
    corpus=$(mktemp -d)
    trap 'rm -rf "$corpus"' EXIT
    if [[ -d fuzz/seeds/$target ]]; then cp fuzz/seeds/$target/* "$corpus"/; fi
    if [[ $target == songfile || $target == rtfwriter ]]; then cp Data/*.txt "$corpus"/; fi
    log="$corpus.log"
    if ! build/fuzz/bin/fuzz_$target "$corpus" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$corpus.crash-" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        for crash in "$corpus".crash-*; do od -c "$crash" | head -n 40 >&2; done
        echo "fuzz_$target failed" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*') runs in $seconds s"
    rm -rf "$corpus" "$log"
done
