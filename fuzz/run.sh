#!/usr/bin/env bash
# Runs fuzz targets of a VELA_FUZZ build for a bounded time each, from their committed seed corpora.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET [TARGET...]]   (targets: state, preset, wav; all by default)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build_dir="${1:?fuzz/run.sh wants the build folder}"
seconds="${2:-60}"
targets=("${@:3}")
[[ ${#targets[@]} -gt 0 ]] || targets=(state preset wav)

for target in "${targets[@]}"; do
    # New inputs go to a scratch copy of the corpus, so that the committed seeds stay as they are.
    work="$(mktemp -d)"
    cp "$here/corpus/$target"/* "$work/"
    echo "fuzzing $target for ${seconds}s"
    "$build_dir/fuzz/vela-fuzz-$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 \
        -artifact_prefix="$build_dir/fuzz/$target-" "$work" > "$work.log" 2>&1 || { tail -60 "$work.log"; exit 1; }
    grep -E "stat::number_of_executed_units|stat::new_units_added" "$work.log" || true
    rm -rf "$work" "$work.log"
done
