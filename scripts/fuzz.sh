#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 60) each, one after the other,
# growing a working corpus in build/fuzz-corpus from the committed seeds.
# Findings land in build/fuzz-findings/<target>; add each one to
# fuzz/corpus/<target> as a regression input once it is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/install-dependencies.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

failed=()
for target in chunk events dispatcher midifile bmp clap; do
    corpus=build/fuzz-corpus/$target
    findings=build/fuzz-findings/$target
    mkdir -p "$corpus" "$findings"
    echo "== $target for ${seconds} s"
    dictionary=()
    if [ -f "fuzz/$target.dict" ]; then
        dictionary=(-dict="$PWD/fuzz/$target.dict")
    fi
    # The export switch writes its file into the working folder.
    top=$PWD
    if ! (cd "$findings" && "$top/build/fuzz/fuzz/tarvolin_fuzz_$target" \
        -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 "${dictionary[@]}" \
        "$top/$corpus" "$top/fuzz/corpus/$target"); then
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "findings in: ${failed[*]} (see build/fuzz-findings)"
    exit 1
fi
