#!/usr/bin/env bash
# A short fixed run of one fuzz target over its seed corpus, with the target's
# dictionary if it has one. New inputs go to a scratch folder, so the committed
# corpus stays as it is.
set -euo pipefail
target=$(realpath "$1") seeds=$(realpath "$2") scratch=$(realpath -m "$3") runs=${4:-4000}
dictionary=()
if [ -n "${5:-}" ]; then
    dictionary=(-dict="$(realpath "$5")")
fi
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
exec "$target" -runs="$runs" -seed=1 -max_len=8192 -print_final_stats=1 "${dictionary[@]}" \
    "$scratch" "$seeds"
